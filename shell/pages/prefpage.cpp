#include "prefpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "colorscheme.h"
#include "link.h"
#include "preferences.h"
#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

TPrefPage::TPrefPage(IPageHost& host)
    : TPage(host, QStringLiteral("Pref"), QStringLiteral("Pref_Bnr"), QStringLiteral("Personalize")) {
    auto* favourites = new QGroupBox(QStringLiteral("A.   Favorite Puzzle Options"), this);
    favourites->setObjectName(QStringLiteral("Pref_FavoritesGrp"));
    auto* fav = new QVBoxLayout(favourites);
    MakeText(QStringLiteral("Pref_MemorizeLbl"),
             QStringLiteral("Set up a puzzle the way you like it, then press Memorize: every new puzzle will start "
                            "with the same worksheet lines, credits, directions, sharing, capitalization and "
                            "appearance."),
             fav);
    auto* memorizeRow = new QHBoxLayout();
    MakeButton(QStringLiteral("Pref_MemorizeBtn"), QStringLiteral("Memorize"),
               [this] { Model().MemorizeFavouriteOptions([this] { Host().SavePreferences(); }); }, memorizeRow);
    auto* done = new QLabel(QStringLiteral("Memorized."), this);
    done->setObjectName(QStringLiteral("Worksheet_DoneLbl"));
    done->setVisible(false);
    memorizeRow->addWidget(done);
    memorizeRow->addStretch(1);
    fav->addLayout(memorizeRow);
    auto* links = new QGridLayout();
    struct Target {
        const char* name;
        const char* caption;
        const char* page;
    };
    const Target targets[] = {{"Pref_WorksheetLnk", "worksheet", "Worksheet"},
                              {"Pref_DirsLnk", "word directions", "Dirs"},
                              {"Pref_SharingLnk", "letter sharing", "Sharing"},
                              {"Pref_CapsLnk", "capitalization", "Caps"},
                              {"Pref_CreditsLnk", "credits line", "Credits"},
                              {"Pref_InstructionsLnk", "instructions", "Instructions"},
                              {"Pref_SpellLnk", "spell checker", "Spell"}};
    int i = 0;
    for (const Target& t : targets) {
        const QString page = QString::fromLatin1(t.page);
        TLink* link = MakeLink(QString::fromLatin1(t.name), QString::fromLatin1(t.caption),
                               [this, page] { Host().TurnPage(page); });
        links->addWidget(link, i / 4, i % 4, Qt::AlignLeft);
        ++i;
    }
    TLink* format = MakeLink(QStringLiteral("Pref_FormatLnk"), QStringLiteral("format"),
                             [this] { Host().ShowAppearance(); });
    links->addWidget(format, i / 4, i % 4, Qt::AlignLeft);
    TLink* accident = MakeLink(QStringLiteral("Pref_AccidentLnk"), QStringLiteral("accidental words"),
                               [this] { Host().TurnPage(QStringLiteral("Accident")); });
    // Shown, unlike the older program: the level now decides what the filler may spell,
    // so the user must be able to reach it.
    links->addWidget(accident, (i + 1) / 4, (i + 1) % 4, Qt::AlignLeft);
    fav->addLayout(links);
    Body()->addWidget(favourites);

    auto* taste = new QGroupBox(QStringLiteral("B.   Matters of Convenience and Taste"), this);
    taste->setObjectName(QStringLiteral("Pref_TasteGrp"));
    auto* form = new QFormLayout(taste);
    auto* colours = new QComboBox(this);
    colours->setMaximumWidth(220);
    colours->setObjectName(QStringLiteral("Pref_ColorsCmBx"));
    colours->setAccessibleName(QStringLiteral("Color scheme"));
    colours->addItems(ColorSchemeNames());
    form->addRow(QStringLiteral("Color scheme:"), colours);
    auto* size = new QComboBox(this);
    size->setMaximumWidth(220);
    size->setObjectName(QStringLiteral("Pref_EditTextSizeCmBx"));
    size->setAccessibleName(QStringLiteral("Text size in edit boxes"));
    size->addItems({QStringLiteral("Regular"), QStringLiteral("Large")});
    form->addRow(QStringLiteral("Text size in edit boxes:"), size);
    auto* map = new QCheckBox(QStringLiteral("Show Program Map"), this);
    map->setObjectName(QStringLiteral("Pref_ShowNavigationBarCB"));
    map->setAccessibleName(map->text());
    form->addRow(map);
    auto* underline = new QCheckBox(QStringLiteral("Underline HyperLinks Always"), this);
    underline->setObjectName(QStringLiteral("Pref_UnderlinedLinksCB"));
    underline->setAccessibleName(underline->text());
    form->addRow(underline);
    Body()->addWidget(taste);
    connect(colours, &QComboBox::currentIndexChanged, this, [this](int index) { Host().ApplyColourScheme(index); });
    connect(size, &QComboBox::currentIndexChanged, this,
            [this](int index) { Host().ApplyEditTextSize(index == 1 ? 10 : 8); });
    connect(map, &QCheckBox::toggled, this, [this](bool on) { Host().SetProgramMapShown(on); });
    connect(underline, &QCheckBox::toggled, this, [this](bool on) { Host().SetUnderlinedLinks(on); });

    MakeContinueButton(QStringLiteral("Pref_ContinueBtn"), Body());
    Body()->addStretch(1);
}

void TPrefPage::LoadFromModel() {
    const QSignalBlocker b1(findChild<QComboBox*>(QStringLiteral("Pref_ColorsCmBx")));
    const QSignalBlocker b2(findChild<QComboBox*>(QStringLiteral("Pref_EditTextSizeCmBx")));
    const QSignalBlocker b3(findChild<QCheckBox*>(QStringLiteral("Pref_ShowNavigationBarCB")));
    const QSignalBlocker b4(findChild<QCheckBox*>(QStringLiteral("Pref_UnderlinedLinksCB")));
    findChild<QComboBox*>(QStringLiteral("Pref_ColorsCmBx"))->setCurrentIndex(Host().ColorSchemeIndex());
    findChild<QComboBox*>(QStringLiteral("Pref_EditTextSizeCmBx"))->setCurrentIndex(Host().EditTextSize() >= 10 ? 1 : 0);
    findChild<QCheckBox*>(QStringLiteral("Pref_ShowNavigationBarCB"))->setChecked(Host().ProgramMapShown());
    findChild<QCheckBox*>(QStringLiteral("Pref_UnderlinedLinksCB"))->setChecked(Host().UnderlinedLinks());
    findChild<QLabel*>(QStringLiteral("Worksheet_DoneLbl"))->setVisible(Model().MemorizedShown());
}

}  // namespace vorlix::shell
