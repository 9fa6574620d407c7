// The Home page's panels, recent puzzles and links.
#include "homepage.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

#include "link.h"
#include "pictureexport.h"
#include "puzzledefaults.h"
#include "puzzledocument.h"
#include "puzzlefile.h"
#include "textexport.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "services.h"

namespace vorlix::shell {

namespace {

const QString HyperlinksHint = QStringLiteral(
    "The hyperlinks are one or more words in a special color and usually underlined. They may also be pictures. "
    "Pointing at a hyperlink changes your pointer to a hand. When you click on a hyperlink, it may show you a hint "
    "or change pages or do a task that it describes.");

}  // namespace

THomePage::THomePage(IPageHost& host)
    : TPage(host, QStringLiteral("Home"), QStringLiteral("Home_Bnr"), QStringLiteral("Welcome to Vorlix")) {
    MakeText(QStringLiteral("Home_WelcomeLbl"),
             QStringLiteral("Make word-search puzzles for your class, your family or your readers: type a list of "
                            "words, choose how they may run, and Vorlix hides them in a grid of letters, ready to "
                            "print, save or share."),
             Body());

    auto* panels = new QHBoxLayout();
    panels->setSpacing(24);
    auto makePanel = [&](const QString& name, const QString& caption, auto action) {
        TLink* panel = MakeLink(name, caption, action, panels);
        panel->SetPanelStyle(true);
        panel->setMinimumSize(240, 130);
        panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QFont f = panel->font();
        f.setPointSizeF(f.pointSizeF() * 1.4);
        panel->setFont(f);
        return panel;
    };
    makePanel(QStringLiteral("Home_OpenLnk"), QStringLiteral("Open an Existing Puzzle"),
              [this] { Host().OpenCommand(); });
    makePanel(QStringLiteral("Home_CreateLnk"), QStringLiteral("Create a New Puzzle"),
              [this] { Host().NewCommand(); });
    Body()->addSpacing(8);
    Body()->addLayout(panels);
    Body()->addSpacing(12);

    recentBox_ = new QWidget(this);
    recentBox_->setObjectName(QStringLiteral("Home_RecentPnl"));
    auto* recentColumn = new QVBoxLayout(recentBox_);
    recentColumn->setContentsMargins(0, 0, 0, 4);
    QLabel* recentHeading = MakeText(QStringLiteral("Home_RecentLbl"), QStringLiteral("Recent puzzles"));
    QFont bold = recentHeading->font();
    bold.setBold(true);
    recentHeading->setFont(bold);
    recentColumn->addWidget(recentHeading);
    recentGrid_ = new QGridLayout();
    recentGrid_->setHorizontalSpacing(10);
    recentGrid_->setVerticalSpacing(4);
    recentColumn->addLayout(recentGrid_);
    recentBox_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // the pictures never squeezed
    recentBox_->setVisible(false);
    Body()->addWidget(recentBox_);
    Body()->addSpacing(12);

    auto* more = new QGridLayout();
    more->setHorizontalSpacing(12);
    more->setVerticalSpacing(8);
    auto addRow = [&](int row, const QString& name, const QString& caption, const QString& text, auto action) {
        TLink* link = MakeLink(name, caption, action);
        more->addWidget(link, row, 0, Qt::AlignLeft | Qt::AlignTop);
        QLabel* label = MakeText(name + QStringLiteral("Lbl"), text);
        more->addWidget(label, row, 1);
    };
    addRow(0, QStringLiteral("Home_TourLnk"), QStringLiteral("Quick Tour"),
           QStringLiteral("A two-minute walk from a list of words to a printed puzzle."),
           [this] { Host().ShowTour(QStringLiteral("Intro")); });
    addRow(1, QStringLiteral("Home_FAQsLnk"), QStringLiteral("FAQ's"),
           QStringLiteral("Answers to the questions teachers ask most."),
           [this] { Host().OpenMapPage(QStringLiteral("FAQs"), findChild<QWidget*>(QStringLiteral("Home_FAQsLnk"))); });
    addRow(2, QStringLiteral("Home_AboutLnk"), QStringLiteral("About"),
           QStringLiteral("The version of Vorlix and where to get help."),
           [this] { Host().OpenMapPage(QStringLiteral("About"), findChild<QWidget*>(QStringLiteral("Home_AboutLnk"))); });
    addRow(3, QStringLiteral("Home_PrefLnk"), QStringLiteral("Personalize"),
           QStringLiteral("Colours, text size and the options every new puzzle starts with."),
           [this] { Host().OpenMapPage(QStringLiteral("Pref"), findChild<QWidget*>(QStringLiteral("Home_PrefLnk"))); });
    addRow(4, QStringLiteral("Home_HyperlinkLnk"), QStringLiteral("hyperlinks"),
           QStringLiteral("New to links like these? Click to learn how they work."), [this] {
               auto* link = findChild<QWidget*>(QStringLiteral("Home_HyperlinkLnk"));
               Host().ShowHintBeside(link, HyperlinksHint, 20);
           });
    more->setColumnStretch(1, 1);
    Body()->addLayout(more);
    Body()->addStretch(1);
}

namespace {

constexpr int RecentPerRow = 5;  // ten entries in two rows keep the page within a small window
const QSize RecentPictureSize(48, 48);

}  // namespace

THomePage::TRecentEntry THomePage::ReadRecentEntry(const QString& path, const QSize& pictureSize) {
    TRecentEntry entry;
    const QFileInfo info(path);
    entry.Title = info.fileName();
    if (!info.isFile()) {
        entry.Missing = true;
        return entry;
    }
    const TReadResult<TPuzzle> read = ReadPuzzleFile(path);
    if (!read.Value) return entry;
    const TPuzzle& puzzle = *read.Value;
    for (const QString& line : puzzle.TitleLines)
        if (!line.trimmed().isEmpty()) {
            entry.Title = line.trimmed();
            break;
        }
    if (!puzzle.Grid().Constructed) return entry;
    // The grid alone, drawn by the picture export like every other picture of a puzzle.
    TPuzzleDocument document(puzzle);
    document.LayOut();
    TExportSections grid;
    grid.WordList = false;
    TSilentMessageHost quiet;
    entry.Picture = RenderBitmapPicture(document, grid, false, pictureSize.width(), pictureSize.height(), quiet);
    return entry;
}

void THomePage::ShowRecentFiles(const QStringList& files) {
    while (QLayoutItem* item = recentGrid_->takeAt(0)) {
        // Later, since a list entry may be the link whose click is running now.
        if (QWidget* w = item->widget()) {
            w->setObjectName(QString());
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        const QFileInfo info(path);
        TCached& cached = cache_[path];
        if (!info.isFile() || cached.Modified != info.lastModified() || cached.Entry.Title.isEmpty()) {
            cached.Entry = ReadRecentEntry(path, RecentPictureSize);
            cached.Modified = info.lastModified();
        }
        const TRecentEntry& entry = cached.Entry;
        auto* picture = new QLabel(recentBox_);
        picture->setObjectName(QStringLiteral("Home_RecentPic%1").arg(i + 1));
        picture->setFixedSize(RecentPictureSize);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::Box);
        picture->setAccessibleName(entry.Title);
        if (!entry.Picture.isNull()) picture->setPixmap(QPixmap::fromImage(entry.Picture));
        const QString caption = entry.Missing ? entry.Title + QStringLiteral(" (missing)") : entry.Title;
        TLink* link = MakeLink(QStringLiteral("Home_RecentLnk%1").arg(i + 1), caption,
                               [this, path] { emit RecentFileChosen(path); });
        link->setParent(recentBox_);
        link->setToolTip(QDir::toNativeSeparators(path));
        link->setWordWrap(true);
        const int row = i / RecentPerRow;
        const int column = (i % RecentPerRow) * 2;
        recentGrid_->addWidget(picture, row, column);
        recentGrid_->addWidget(link, row, column + 1, Qt::AlignLeft | Qt::AlignVCenter);
        recentGrid_->setColumnStretch(column + 1, 1);
    }
    recentBox_->setVisible(!files.isEmpty());
}

}  // namespace vorlix::shell
