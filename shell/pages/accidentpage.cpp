#include "accidentpage.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "preferences.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "services.h"

namespace vorlix::shell {

TAccidentPage::TAccidentPage(IPageHost& host)
    : TPage(host, QStringLiteral("Accident"), QStringLiteral("Accident_Bnr"), QStringLiteral("Accidental Words")) {
    MakeText(QStringLiteral("Accident_IntroLbl"),
             QStringLiteral("The random letters that fill a grid can spell words by accident. Which words should "
                            "Vorlix keep out of your puzzles?"),
             Body());
    auto* group = new QButtonGroup(this);
    const char* names[] = {"AccidentalCheckNoneRB", "AccidentalCheckTabooRB", "AccidentalCheckAllRB"};
    const char* captions[] = {"None", "Taboo Words Only", "All English Words"};
    for (int level = 0; level < 3; ++level) {
        MakeRadio(QString::fromLatin1(names[level]), QString::fromLatin1(captions[level]), group, level, Body());
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int level, bool on) {
        if (on) Host().Preferences().AccidentPrevent = level;
    });
    MakeContinueButton(QStringLiteral("Accident_ContinueBtn"), Body());
    Body()->addStretch(1);
}

void TAccidentPage::LoadFromModel() {
    int level = Host().Preferences().AccidentPrevent;
    if (level < 0 || level > 2) level = 1;
    const char* names[] = {"AccidentalCheckNoneRB", "AccidentalCheckTabooRB", "AccidentalCheckAllRB"};
    findChild<QRadioButton*>(QString::fromLatin1(names[level]))->setChecked(true);
}

}  // namespace vorlix::shell
