#include "spellpage.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link.h"
#include "preferences.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "services.h"

namespace vorlix::shell {

TSpellPage::TSpellPage(IPageHost& host)
    : TPage(host, QStringLiteral("Spell"), QStringLiteral("Spell_Bnr"), QStringLiteral("Spelling Checker")) {
    MakeText(QStringLiteral("Spell_IntroLbl"),
             QStringLiteral("Vorlix can check the spelling of your words, title, hidden message, worksheet lines, "
                            "instructions and credits line. When should it check?"),
             Body());
    auto* group = new QButtonGroup(this);
    auto addChoice = [&](const QString& name, const QString& caption, bool semiAuto) {
        QRadioButton* rb = MakeRadio(name, caption, group, -1, Body());
        connect(rb, &QRadioButton::toggled, this, [this, semiAuto](bool on) {
            if (on) Host().Preferences().SpellerSemiAuto = semiAuto;
        });
        return rb;
    };
    addChoice(QStringLiteral("SpellConstructRB"), QStringLiteral("Automatically"), false);
    MakeText(QStringLiteral("Spell_AutoLbl"),
             QStringLiteral("Every time you press Create Puzzle Now, if you changed any text since the last check."),
             Body())
        ->setContentsMargins(24, 0, 0, 6);
    addChoice(QStringLiteral("SpellSemiAutoRB"), QStringLiteral("Semi-automatically"), true);
    MakeText(QStringLiteral("Spell_SemiLbl"),
             QStringLiteral("Only when you press the Spelling button on the Design Puzzle page."), Body())
        ->setContentsMargins(24, 0, 0, 6);
    MakeLink(QStringLiteral("Spell_DesignLnk"), QStringLiteral("Design Puzzle"),
             [this] {
                 Host().OpenMapPage(QStringLiteral("Design"), findChild<QWidget*>(QStringLiteral("Spell_DesignLnk")));
             },
             Body());
    MakeContinueButton(QStringLiteral("Spell_ContinueBtn"), Body());
    Body()->addStretch(1);
}

void TSpellPage::LoadFromModel() {
    const bool semi = Host().Preferences().SpellerSemiAuto;
    findChild<QRadioButton*>(semi ? QStringLiteral("SpellSemiAutoRB") : QStringLiteral("SpellConstructRB"))
        ->setChecked(true);
}

}  // namespace vorlix::shell
