// The "Dirs" page: direction clicks go to the model, which may ask about the instructions.
#include "dirspage.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

namespace {

struct TDirectionBox {
    const char* Name;
    const char* Caption;
    const char* Arrow;
    int Row;
    int Column;
};

// In the model's order (North first); Row and Column place each box on the compass.
constexpr std::array<TDirectionBox, 8> DirectionBoxes{{
    {"NorthCB", "North", "\u2191", 0, 1},
    {"NorthEastCB", "North East", "\u2197", 0, 2},
    {"EastCB", "East", "\u2192", 1, 2},
    {"SouthEastCB", "South East", "\u2198", 2, 2},
    {"SouthCB", "South", "\u2193", 2, 1},
    {"SouthWestCB", "South West", "\u2199", 2, 0},
    {"WestCB", "West", "\u2190", 1, 0},
    {"NorthWestCB", "North West", "\u2196", 0, 0},
}};

}  // namespace

TDirsPage::TDirsPage(IPageHost& host)
    : TPage(host, QStringLiteral("Dirs"), QStringLiteral("Dirs_Bnr"), QStringLiteral("Word Directions")) {
    MakeText(QStringLiteral("Dirs_IntroLbl"),
             QStringLiteral("Choose the directions in which the hidden words may run. Words that read across "
                            "and down are the easiest to find; backwards and diagonal words make the puzzle "
                            "harder."),
             Body());

    inset_ = MakeInsetPanel(QStringLiteral("Dirs_InsetPnl"));
    auto* grid = new QGridLayout(inset_);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(18);
    for (std::size_t i = 0; i < DirectionBoxes.size(); ++i) {
        const TDirectionBox& d = DirectionBoxes[i];
        const QString caption = QString::fromUtf8(d.Caption);
        auto* box = new QCheckBox(QString::fromUtf8(d.Arrow) + QStringLiteral("  ") + caption, inset_);
        box->setObjectName(QString::fromLatin1(d.Name));
        box->setAccessibleName(caption);
        const Qt::Alignment align = d.Column == 0   ? Qt::AlignRight
                                    : d.Column == 1 ? Qt::AlignHCenter
                                                    : Qt::AlignLeft;
        grid->addWidget(box, d.Row, d.Column, align | Qt::AlignVCenter);
        const int index = static_cast<int>(i);
        connect(box, &QCheckBox::clicked, this, [this, index] { DirectionClicked(index); });
        boxes_[i] = box;
    }
    auto* centre = new QLabel(QStringLiteral("\u271B"), inset_);
    centre->setObjectName(QStringLiteral("Dirs_CompassLbl"));
    centre->setAlignment(Qt::AlignCenter);
    QFont big = centre->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    centre->setFont(big);
    grid->addWidget(centre, 1, 1, Qt::AlignCenter);

    auto* insetRow = new QHBoxLayout;
    insetRow->addWidget(inset_);
    insetRow->addStretch(1);
    Body()->addLayout(insetRow);

    summary_ = MakeText(QStringLiteral("Dirs_SummaryLbl"), {}, Body());
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);

    allUnchecked_ = MakeText(QStringLiteral("Dirs_AllUncheckedLbl"),
                             QStringLiteral("All unchecked is the same as all checked."), Body());
    allUnchecked_->hide();

    auto* buttons = new QHBoxLayout;
    MakeCreateNowButton(QStringLiteral("Dirs_CreateNowBtn"), buttons);
    MakeContinueButton(QStringLiteral("Dirs_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

void TDirsPage::DirectionClicked(int index) {
    // The model flips its own copy; the boxes follow it, which also undoes a cancelled click.
    Model().ClickDirection(index);
    ShowDirections();
}

void TDirsPage::ShowDirections() {
    const TPuzzleModel& m = Model();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setChecked(m.Puzzle().Directions[i]);
    }
    summary_->setText(m.Dirs_SummaryLbl);
    allUnchecked_->setVisible(m.AllUncheckedNotice);
}

void TDirsPage::LoadFromModel() { ShowDirections(); }

}  // namespace vorlix::shell
