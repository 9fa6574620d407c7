// The main window: pages by name with two histories, the toolbar, the Program Map, the
// file commands with the save-changes query, and the build and refresh operations.
#include "webfm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QUrl>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "aboutpage.h"
#include "bookfm.h"
#include "accidentpage.h"
#include "capspage.h"
#include "creditspage.h"
#include "designpage.h"
#include "desktopfit.h"
#include "dirspage.h"
#include "faqspage.h"
#include "finishedpage.h"
#include "hintfm.h"
#include "homepage.h"
#include "instructionspage.h"
#include "layoutfm.h"
#include "link.h"
#include "mainmenu.h"
#include "undohistory.h"
#include "exportfm.h"
#include "preferences_store.h"
#include "prefpage.h"
#include "previewbox.h"
#include "previewfm.h"
#include "printjob.h"
#include "printpage.h"
#include "puzzledocument.h"
#include "puzzlebuilder.h"
#include "puzzledefaults.h"
#include "puzzlefile.h"
#include "savequeryfm.h"
#include "sharingpage.h"
#include "spellingdlg.h"
#include "spellpage.h"
#include "typepage.h"
#include "windows.h"
#include "worksheetpage.h"

namespace vorlix::shell {

// Made by the examples and tour windows' own files.
void ShowExampleWindow(TWebFm& main, const QString& kind);
void ShowTourWindow(TWebFm& main, const QString& mode);

const std::array<const char*, 16> PageNames{"Home",  "FAQs", "Design", "Dirs",  "Sharing", "Worksheet",
                                            "Finished", "Instructions", "Print", "Credits", "Type_", "About",
                                            "Pref", "Spell", "Accident", "Caps"};

namespace {

const QString OpenDialogFilter = QStringLiteral("Word Search Puzzle Files (*.ws)|*.WS|All Files (*.*)|*.*");
const QString SaveDialogFilter = QStringLiteral("Word Search files (*.ws)|*.WS|All files (*.*)|*.*");

// The controls whose changes carry their own name in the undo history.
struct TNamedControl {
    const char* Name;
    const char* Change;
};
const TNamedControl NamedControls[] = {
    {"Puzzle_TryAgainBtn", "Rescramble"},
    {"Puzzle_Rotate90Lnk", "Rotate"},
    {"Puzzle_FlipUpDownLnk", "Mirror Top to Bottom"},
    {"Puzzle_FlipLeftRightLnk", "Mirror Left to Right"},
    {"Words_ClearListBtn", "Clear List"},
    {"Words_ImportLnk", "Import"},
    {"Words_NextBtn", "Create Puzzle"},
    {"Dirs_CreateNowBtn", "Create Puzzle"},
    {"Sharing_CreateNowBtn", "Create Puzzle"},
    {"Caps_CreateNowBtn", "Create Puzzle"},
};

// The word-list file kinds a drop imports.
bool IsWordListFile(const QString& suffix) {
    return suffix == QLatin1String("txt") || suffix == QLatin1String("thm") || suffix == QLatin1String("gmr");
}

bool OnWordList(QObject* target) {
    for (QObject* o = target; o; o = o->parent())
        if (o->objectName() == QLatin1String("Words_Memo")) return true;
    return false;
}

// Text boxes take dropped text themselves, at the place it is dropped.
bool TakesTextDrops(QObject* target) {
    for (QObject* o = target; o; o = o->parent())
        if (qobject_cast<QPlainTextEdit*>(o) || qobject_cast<QLineEdit*>(o)) return true;
    return false;
}

bool IsEditor(QWidget* w) {
    return qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QListWidget*>(w);
}

void SetBackground(QWidget* w, const QColor& colour) {
    w->setPalette(SurfacePalette(colour));
    w->setAutoFillBackground(true);
}

void PaintToolbar(QToolBar* bar, const TColorScheme& scheme) {
    QPalette tp = SurfacePalette(scheme.ToolbarBackground);
    tp.setColor(QPalette::Button, scheme.ToolbarBackground);
    tp.setColor(QPalette::ButtonText, scheme.ToolbarText);
    tp.setColor(QPalette::WindowText, scheme.ToolbarText);
    bar->setPalette(tp);
    bar->setAutoFillBackground(true);
    for (QToolButton* b : bar->findChildren<QToolButton*>()) b->setPalette(tp);
}

}  // namespace

TWebFm::TWebFm(TPuzzleModel& model, TPreferencesStore& store, const TServices& services, QWidget* parent)
    : QMainWindow(parent), model_(&model), store_(&store), services_(services) {
    setObjectName(QStringLiteral("TWebFm"));
    setWindowTitle(QStringLiteral("Vorlix"));
    document_ = std::make_unique<TPuzzleDocument>(model.Puzzle());
    highlighter_ = new TLinkHighlighter(this);
    qApp->installEventFilter(highlighter_);
    undo_ = new TUndoHistory(model, this);
    connect(undo_, &TUndoHistory::Restored, this, [this] {
        LoadPagesFromModel();
        RefreshPuzzleViews();
    });
    FollowModel();

    BuildToolbar();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Web_ClientPnl"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(BuildProgramMap());
    stack_ = new QStackedWidget(central);
    stack_->setObjectName(QStringLiteral("PageControl"));
    row->addWidget(stack_, 1);
    setCentralWidget(central);
    AddPages();
    menus_ = new TMainMenus(*this, *undo_);
    NameUndoableControls();
    connect(PageOf<THomePage>(), &THomePage::RecentFileChosen, this, &TWebFm::OpenRecentFile);
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    resize(1000, 700);
}

TWebFm::~TWebFm() {
    qApp->removeEventFilter(this);
    qApp->removeEventFilter(highlighter_);
}

void TWebFm::NameUndoableControls() {
    for (const TNamedControl& c : NamedControls) {
        const QString change = QString::fromLatin1(c.Change);
        // Connected after the page's own handler: the change is made, not yet recorded.
        if (auto* link = findChild<TLink*>(QString::fromLatin1(c.Name)))
            connect(link, &TLink::activated, this, [this, change] { undo_->Name(change); });
        else if (auto* button = findChild<QAbstractButton*>(QString::fromLatin1(c.Name)))
            connect(button, &QAbstractButton::clicked, this, [this, change] { undo_->Name(change); });
    }
}

THintFm& TWebFm::Hint() const { return *windows_->Hint; }

// --- Construction.

void TWebFm::BuildToolbar() {
    toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("ToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        void (TWebFm::*action)();
    };
    const Button buttons[] = {
        {"ToolBar_BackTBtn", "&Back", "Turn to Previous Page.", &TWebFm::Back},
        {"ToolBar_ForwardTbtn", "&Forward", "Undo \"Back\"", &TWebFm::Forward},
        {"ToolBar_HomeTBtn", "&Home", "Go to Home Page.", nullptr},
        {"ToolBar_TabsTBtn", "&Tabs", "", nullptr},
        {"ToolBar_NewTBtn", "&New", "Start a new puzzle", &TWebFm::NewCommand},
        {"ToolBar_OpenTBtn", "&Open", "Open an Existing Puzzle.", &TWebFm::OpenCommand},
        {"ToolBar_SaveTBtn", "&Save", "Save Current Puzzle", nullptr},
        {"ToolBar_SaveAsTBtn", "Save &as", "Save Current Puzzle Under a New Name.", nullptr},
        {"ToolBar_PreviewTBtn", "Pre&view", "", &TWebFm::ShowPreview},
        {"ToolBar_ExitBtn", "E&xit", "Close Vorlix.", nullptr},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(toolbar_);
        const QString caption = QString::fromUtf8(b.caption);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(caption);
        button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        QAction* action = toolbar_->addWidget(button);
        const QString name = button->objectName();
        if (name == QLatin1String("ToolBar_TabsTBtn")) action->setVisible(false);  // pages carry no tabs
        if (name == QLatin1String("ToolBar_SaveAsTBtn") || name == QLatin1String("ToolBar_PreviewTBtn"))
            toolbar_->addSeparator();
        if (b.action)
            connect(button, &QToolButton::clicked, this, b.action);
        else if (name == QLatin1String("ToolBar_HomeTBtn"))
            connect(button, &QToolButton::clicked, this, [this] { TurnPage(HomePageName); });
        else if (name == QLatin1String("ToolBar_SaveTBtn"))
            connect(button, &QToolButton::clicked, this, [this] { SaveCommand(); });
        else if (name == QLatin1String("ToolBar_SaveAsTBtn"))
            connect(button, &QToolButton::clicked, this, [this] { SaveAsCommand(); });
        else if (name == QLatin1String("ToolBar_ExitBtn"))
            connect(button, &QToolButton::clicked, this, &QWidget::close);
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

QWidget* TWebFm::BuildProgramMap() {
    programMap_ = new QWidget(this);
    programMap_->setObjectName(QStringLiteral("ProgramMap"));
    auto* column = new QVBoxLayout(programMap_);
    column->setContentsMargins(6, 10, 4, 10);
    column->setSpacing(3);
    auto* heading = new QLabel(QStringLiteral("Program Map"), programMap_);
    heading->setObjectName(QStringLiteral("Nav_HeadingLbl"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
    column->addSpacing(4);
    struct Entry {
        const char* name;
        const char* caption;
        std::function<void(TWebFm&, TLink*)> action;
        bool gapBefore;
    };
    auto open = [](const char* page) {
        return [page](TWebFm& w, TLink* link) { w.OpenMapPage(QString::fromLatin1(page), link); };
    };
    const Entry entries[] = {
        {"Nav_HomeLnk", "Home", open("Home"), false},
        {"Nav_NewLnk", "Start New Puzzle", [](TWebFm& w, TLink*) { w.NewCommand(); }, true},
        {"Nav_OpenLnk", "Open Existing Puzzle", [](TWebFm& w, TLink*) { w.OpenCommand(); }, false},
        {"Nav_TourLnk", "Quick Tour", [](TWebFm& w, TLink*) { w.ShowTour(QStringLiteral("Intro")); }, true},
        {"Nav_FAQsLnk", "FAQ's", open("FAQs"), false},
        {"Nav_DesignLnk", "Design Puzzle", open("Design"), true},
        {"Nav_Type_Lnk", "Change Puzzle Type", open("Type_"), false},
        {"Nav_WorksheetLnk", "Worksheet", open("Worksheet"), false},
        {"Nav_InstructionsLnk", "Instructions", open("Instructions"), false},
        {"Nav_DirsLnk", "Word Directions", open("Dirs"), false},
        {"Nav_SharingLnk", "Letter Sharing", open("Sharing"), false},
        {"Nav_CapsLnk", "Capitalization", open("Caps"), false},
        {"Nav_FormatLnk", "Change Appearance",
         [](TWebFm& w, TLink*) {
             w.HighlightMapLink(QStringLiteral("Format"));
             w.ShowAppearance();
         },
         false},
        {"Nav_FinishedLnk", "Finished Puzzle", open("Finished"), true},
        {"Nav_PrintLnk", "Print", open("Print"), false},
        {"Nav_Export_OptionsLnk", "Export", [](TWebFm& w, TLink*) { w.ShowExport(); }, false},
        {"Nav_PrefLnk", "Personalize ", open("Pref"), true},
        {"Nav_AboutLnk", "About Us", open("About"), false},
    };
    for (const Entry& e : entries) {
        if (e.gapBefore) column->addSpacing(8);
        auto* link = new TLink(QString::fromLatin1(e.name), QString::fromLatin1(e.caption), programMap_);
        link->setWordWrap(true);
        link->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        auto action = e.action;
        connect(link, &TLink::activated, this, [this, action, link] { action(*this, link); });
        column->addWidget(link);
    }
    column->addStretch(1);
    programMap_->setFixedWidth(MapWidth());
    return programMap_;
}

// Wide enough for the longest caption in the current fonts, so larger system fonts never
// cut a link; never narrower than the classic width.
int TWebFm::MapWidth() const {
    const QMargins margins = programMap_->layout()->contentsMargins();
    int widest = 0;
    for (const QLabel* label : programMap_->findChildren<QLabel*>()) {
        const QMargins own = label->contentsMargins();
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()) + own.left() + own.right() +
                                      2 * label->margin() + 2);
    }
    return std::max(ProgramMapWidth, widest + margins.left() + margins.right());
}

void TWebFm::AddPages() {
    pages_ = {new THomePage(*this),     new TFaqsPage(*this),         new TDesignPage(*this),
              new TDirsPage(*this),     new TSharingPage(*this),      new TWorksheetPage(*this),
              new TFinishedPage(*this), new TInstructionsPage(*this), new TPrintPage(*this),
              new TCreditsPage(*this),  new TTypePage(*this),         new TAboutPage(*this),
              new TPrefPage(*this),     new TSpellPage(*this),        new TAccidentPage(*this),
              new TCapsPage(*this)};
    for (TPage* page : pages_) stack_->addWidget(page);
}

QToolButton* TWebFm::ToolButton(const QString& name) const { return toolbar_->findChild<QToolButton*>(name); }

// --- Start-up.

void TWebFm::CreationStep() {
    // The working directory stays as the user left it, so a puzzle named on the command
    // line by a relative path still opens: the spelling dialog finds its dictionaries itself.
    model_->SeparateLinesHintShown = false;
    MakeCurrent(HomePageName);
    PageOf<TFinishedPage>()->SelectSolutionView();
}

void TWebFm::StartRoutine() {
    TReport report;
    const TWindowPreferences window = store_->LoadWindowPreferences(Preferences(), report);
    ShowReport(report);
    colorScheme_ = window.ColorScheme;
    underlinedLinks_ = window.UnderlinedLinks;
    editTextSize_ = window.EditTextSize;
    if (window.WindowState == WindowStateMaximized) {
        setWindowState(Qt::WindowMaximized);
    } else if (!window.TourShown) {
        // A first run has no remembered bounds: open roomy and centred rather than at the
        // small stored default.
        const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 900);
        const QSize size(std::min(1040, screen.width()), std::min(740, screen.height() - 40));
        setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
    } else {
        // Bounds saved on another screen or at another scale are brought wholly onto this one.
        const QRect area = this->screen() ? this->screen()->availableGeometry() : QRect();
        setGeometry(KeptOnScreen(QRect(window.Left, window.Top, window.Width, window.Height), area));
    }
    SetProgramMapShown(window.ProgramMap, false);

    model_->ResetToNewPuzzle();
    history_.BackHistory.Clear();
    history_.ForwardHistory.Clear();
    UpdateToolbar();
    model_->Dirs_SummaryLbl = model_->DirectionsSummary();
    ApplyColourScheme(colorScheme_);
    ApplyEditTextSize(editTextSize_);
    ToolButton(QStringLiteral("ToolBar_ExitBtn"))->setToolTip(QStringLiteral("Close Vorlix."));

    model_->BuildEmptyPuzzle();
    RefreshPrinter(*document_);
    LoadPagesFromModel();
    HighlightMapLink(HomePageName);
    model_->Ready = true;
    TReport recentReport;
    store_->LoadRecentFiles(Preferences(), recentReport);
    ShowReport(recentReport);
    ShowRecentFiles();
    undo_->Reset();
}

void TWebFm::FocusCreatePanel() {
    if (auto* panel = findChild<QWidget*>(QStringLiteral("Home_CreateLnk")); panel && panel->isVisible())
        panel->setFocus();
}

bool TWebFm::OpenFromCommandLine(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    if (!OpenPuzzle(path)) return false;
    puzzleFromCommandLine_ = true;
    model_->SaveTargetName = path;
    LoadPagesFromModel();
    RefreshPuzzleViews();
    model_->Finished = model_->Puzzle().Grid().Constructed;
    TurnPage(QStringLiteral("Finished"));
    PageOf<TFinishedPage>()->SetView(ViewTwoPages);
    AddRecentFile(path);
    undo_->Reset();
    return true;
}

void TWebFm::FinishStartup() {
    startupComplete_ = true;
    if (puzzleFromCommandLine_) PageOf<TFinishedPage>()->EmptyPuzzleCheck();
}

// --- Navigation.

QString TWebFm::CurrentPageName() const {
    auto* page = qobject_cast<TPage*>(stack_->currentWidget());
    return page ? page->PageName() : HomePageName;
}

TPage* TWebFm::CurrentPage() const { return qobject_cast<TPage*>(stack_->currentWidget()); }

TPage* TWebFm::PageNamed(const QString& pageName) const {
    for (TPage* p : pages_)
        if (p->PageName() == pageName) return p;
    return nullptr;
}

void TWebFm::MakeCurrent(const QString& pageName) {
    TPage* page = PageNamed(pageName);
    // A hint speaks of something on the page it was shown on.
    if (page && page != stack_->currentWidget() && windows_ && windows_->Hint) Hint().CloseHint();
    if (page) stack_->setCurrentWidget(page);
    emit PageChanged(CurrentPageName());
}

void TWebFm::TurnPage(const QString& pageName) {
    history_.Turning(CurrentPageName());
    MakeCurrent(pageName);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (CurrentPageName() == pageName) CurrentPage()->Enter();
    HighlightMapLink(pageName);
    history_.TurnDone();
    UpdateToolbar();
}

void TWebFm::OpenMapPage(const QString& pageName, QWidget* link) {
    if (CurrentPageName() == pageName) {
        const QString text = QStringLiteral("The \"") + pageName + QStringLiteral("\" page is already open. ") +
                             QStringLiteral("(These links under \"Program Map\" only open pages.)");
        const QPoint corner = link ? link->mapToGlobal(QPoint(1, 1)) : mapToGlobal(QPoint(0, 0));
        Hint().ShowHint(text, corner.x(), 15, corner.y());
        return;
    }
    TurnPage(pageName);
}

void TWebFm::TurnPageContinue() {
    MakeCurrent(history_.Continue(CurrentPageName()));
    HighlightMapLink(CurrentPageName());
    UpdateToolbar();
}

void TWebFm::Back() {
    MakeCurrent(history_.Back(CurrentPageName()));
    HighlightMapLink(CurrentPageName());
    UpdateToolbar();
}

void TWebFm::Forward() {
    MakeCurrent(history_.Forward(CurrentPageName()));
    HighlightMapLink(CurrentPageName());
    UpdateToolbar();
}

void TWebFm::UpdateToolbar() {
    ToolButton(QStringLiteral("ToolBar_BackTBtn"))->setEnabled(!history_.BackHistory.IsEmpty());
    ToolButton(QStringLiteral("ToolBar_ForwardTbtn"))->setEnabled(!history_.ForwardHistory.IsEmpty());
    ToolButton(QStringLiteral("ToolBar_SaveTBtn"))->setEnabled(model_->IsModified());
    ToolButton(QStringLiteral("ToolBar_HomeTBtn"))->setEnabled(CurrentPageName() != HomePageName);
    if (menus_) menus_->UpdateStates();
}

void TWebFm::HighlightMapLink(const QString& pageName) {
    const TColorScheme& scheme = Scheme();
    for (TLink* link : programMap_->findChildren<TLink*>()) {
        if (pageName == QLatin1String("New"))
            link->SetTextColour(scheme.MapLinkText);
        else if (link->objectName().contains(pageName))
            link->SetTextColour(scheme.CurrentPageLink);
        else if (link->TextColour() == scheme.CurrentPageLink)
            link->SetTextColour(scheme.MapLinkText);
    }
}

void TWebFm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        static const QStringList memos{QStringLiteral("Words_Memo"), QStringLiteral("Words_TitleMemo"),
                                       QStringLiteral("Words_HiddenMemo")};
        QWidget* focus = QApplication::focusWidget();
        TLink* link = highlighter_->Current();
        if (link && link->window() == this && !(focus && memos.contains(focus->objectName()))) {
            link->Activate();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

// --- File commands.

bool TWebFm::QueryProceed(const QString& actionText) {
    if (!model_->IsModified()) return true;
    return windows_->SaveQuery->Query(actionText);
}

void TWebFm::NewCommand() {
    if (!QueryProceed(QStringLiteral("Starting a new puzzle"))) return;
    model_->ResetToNewPuzzle();
    LoadPagesFromModel();
    undo_->Reset();
    TurnPage(QStringLiteral("Type_"));
}

void TWebFm::OpenCommand() {
    if (!QueryProceed(QStringLiteral("Opening a new puzzle"))) return;
    TFileDialogRequest request;
    request.Title = QStringLiteral("Open Word Search Puzzle");
    request.Filter = OpenDialogFilter;
    request.FileName = model_->SaveTargetName == NoNameFileName ? QString() : model_->SaveTargetName;
    request.ConfirmOverwrite = false;
    const QString fileName = services_.Files.OpenFileName(this, request);
    if (fileName.isEmpty()) return;
    OpenChosenFile(fileName);
}

bool TWebFm::OpenFile(const QString& fileName) {
    if (!QueryProceed(QStringLiteral("Opening a new puzzle"))) return false;
    return OpenChosenFile(fileName);
}

bool TWebFm::OpenChosenFile(const QString& fileName) {
    bool opened = false;
    {
        const TBusyCursor busy;
        opened = OpenPuzzle(fileName);
    }
    // A file that could not be read leaves the puzzle on screen as it was.
    if (opened) AfterOpen(fileName);
    return opened;
}

bool TWebFm::OpenPuzzle(const QString& fileName) {
    // What the file leaves out keeps a new puzzle's defaults.
    const TReadResult<TPuzzle> read = ReadPuzzleFile(fileName, NewPuzzle(Preferences()));
    if (read.Value) model_->LoadPuzzle(*read.Value, fileName);
    ShowReport(read.Report);
    return read.Value.has_value();
}

bool TWebFm::SavePuzzle(const QString& fileName) {
    const TBusyCursor busy;
    TReport report;
    if (!SavePuzzleFile(model_->Puzzle(), fileName, report)) {
        ShowReport(report);
        return false;
    }
    model_->SetCurrentFileName(fileName);
    model_->SetModified(false);
    undo_->MarkSaved();
    AddRecentFile(fileName);
    return true;
}

void TWebFm::ShowReport(const TReport& report) { vorlix::ShowReport(services_.Messages, report); }

void TWebFm::AfterOpen(const QString& fileName) {
    model_->SaveTargetName = fileName;
    HighlightMapLink(QStringLiteral("New"));
    LoadPagesFromModel();
    if (model_->Puzzle().Grid().Constructed) {
        RefreshPuzzleViews();
        TurnPage(QStringLiteral("Finished"));
        model_->Finished = true;
    } else {
        TurnPage(QStringLiteral("Design"));
        model_->Finished = false;
    }
    AddRecentFile(fileName);
    undo_->Reset();
}

bool TWebFm::SaveCommand() {
    const QString target = model_->SaveTargetName;
    if (target.isEmpty() || target == NoNameFileName) return SaveAsCommand();
    return SavePuzzle(target);
}

bool TWebFm::SaveAsCommand() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Save As");
    request.Filter = SaveDialogFilter;
    request.DefaultSuffix = QStringLiteral("ws");
    request.FileName = model_->SaveTargetName;
    request.ConfirmOverwrite = true;
    const QString fileName = services_.Files.SaveFileName(this, request);
    if (fileName.isEmpty()) return false;
    model_->SaveTargetName = fileName;
    return SavePuzzle(fileName);
}

void TWebFm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (!QueryProceed(QStringLiteral("Exiting the program"))) {
        event->ignore();
        return;
    }
    SavePreferences();
    emit CleanExit();
    closing_ = true;
    terminating_ = true;
    if (windows_) Hint().CloseHint();
    event->accept();
    QApplication::closeAllWindows();
}

void TWebFm::SavePreferences() {
    TPreferences& prefs = Preferences();
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    prefs.Left = normal.left();
    prefs.Top = normal.top();
    prefs.Width = normal.width();
    prefs.Height = normal.height();
    prefs.WindowState = isMaximized() ? WindowStateMaximized
                        : isMinimized() ? WindowStateMinimized
                                        : WindowStateNormal;
    prefs.ColorScheme = colorScheme_;
    prefs.UnderlinedLinks = underlinedLinks_;
    prefs.EditTextSize = editTextSize_;
    prefs.ProgramMap = programMapShown_;
    const QScreen* screen = this->screen();
    TReport report;
    store_->SavePreferences(prefs, screen ? screen->size() : QSize(1280, 1024), report);
    ShowReport(report);
}

// --- Building.

void TWebFm::RunSpellingCheck(bool automatic) {
    if (!windows_ || !windows_->Spelling) return;
    TSpellingDlg& dialog = *windows_->Spelling;
    dialog.Prepare(automatic);
    services_.Modal.Run(dialog);
    // Corrections went into the model; the pages show its texts again.
    if (dialog.TextsChanged()) LoadPagesFromModel();
}

void TWebFm::CreatePuzzle() {
    if (!Preferences().SpellerSemiAuto && !model_->SpellingUpToDate) {
        RunSpellingCheck(true);
        model_->SpellingUpToDate = true;
    }
    RebuildPuzzle();
    TurnPage(QStringLiteral("Finished"));
}

void TWebFm::RebuildPuzzle() {
    if (model_->Puzzle().PackMode == TPackMode::Tight) {
        // A search may take seconds: it shows how far it has come and can be cut short,
        // keeping the best whole grid it found.
        QProgressDialog progress(QStringLiteral("Fitting every word into the grid..."), QStringLiteral("Cancel"), 0, 0,
                                 this);
        progress.setObjectName(QStringLiteral("PackProgressDlg"));
        progress.setWindowTitle(QStringLiteral("Fit All Words"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        model_->Builder().SetProgress([&progress](int placed, int total) {
            progress.setMaximum(total);
            progress.setValue(std::min(placed, total));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
        model_->RebuildPuzzle();
        model_->Builder().SetProgress({});
    } else {
        const TBusyCursor busy;
        model_->RebuildPuzzle();
    }
    RefreshPuzzleViews();
}

void TWebFm::RefreshPuzzleViews() {
    document_->LayOut();
    RepaintPreviews();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    PageOf<TFinishedPage>()->RefreshFinishedPage();
    ShowCrowdedWarning();
}

// Once per built puzzle, when its letters are too large for the cells.
void TWebFm::ShowCrowdedWarning() {
    if (!model_->CrowdedWarningPending || !document_->HasPuzzle() || !document_->GridCrowded()) return;
    model_->CrowdedWarningPending = false;
    services_.Messages.ShowMessage(MessageKind::Information, ToWide(CrowdedWarningText()), MessageButtons::Ok);
}

void TWebFm::RepaintPreviews() {
    if (auto* finished = PageOf<TFinishedPage>()) finished->Preview()->update();
    if (windows_ && windows_->Preview) windows_->Preview->Repaint();
}

void TWebFm::LoadPagesFromModel() {
    for (TPage* page : pages_) page->LoadFromModel();
    UpdateToolbar();
}

// --- Other windows.

void TWebFm::ShowHintBeside(QWidget* anchor, const QString& text, int seconds) {
    QWidget* at = anchor ? anchor : this;
    const QPoint corner = at->mapToGlobal(QPoint(at->width() / 2, 4));
    Hint().ShowHint(text, corner.x(), seconds, corner.y());
}

void TWebFm::ShowTour(const QString& mode) { ShowTourWindow(*this, mode); }

void TWebFm::ShowExample(const QString& kind) { ShowExampleWindow(*this, kind); }

void TWebFm::ShowAppearance(const QString& section) {
    HighlightMapLink(QStringLiteral("Format"));
    if (windows_ && windows_->Layout) windows_->Layout->Open(section);
}

void TWebFm::ShowExport() {
    if (windows_ && windows_->Export) windows_->Export->ShowExport();
}

void TWebFm::MakeBook() {
    // The book's builds draw from a builder of their own, checked like the puzzle's.
    TPuzzleBuilder builder;
    builder.CheckLike(model_->Builder());
    TBookFm book(model_->Puzzle(), NewPuzzle(Preferences()), builder, services_, this);
    services_.Modal.Run(book);
}

void TWebFm::ShowPreview() {
    if (windows_ && windows_->Preview) windows_->Preview->ShowOrRaise();
}

QSize TWebFm::FinishedPreviewSize() const {
    const auto* finished = PageOf<TFinishedPage>();
    return finished && finished->Preview() ? finished->Preview()->size() : QSize();
}

void TWebFm::PrinterChanged() {
    if (windows_ && windows_->Preview) windows_->Preview->PaperChanged();
}

// --- Preferences applied.

void TWebFm::ApplyColourScheme(int position) {
    colorScheme_ = position < 0 || position >= ColorSchemeCount ? 1 : position;
    ApplyLinkStyle();
    HighlightMapLink(QStringLiteral("Pref"));
}

void TWebFm::SetUnderlinedLinks(bool on) {
    underlinedLinks_ = on;
    ApplyLinkStyle();
}

void TWebFm::ApplyLinkStyle() {
    const TColorScheme& scheme = Scheme();
    SetBackground(stack_, scheme.PageBackground);
    SetBackground(programMap_, scheme.MapBackground);
    if (auto* heading = programMap_->findChild<QLabel*>(QStringLiteral("Nav_HeadingLbl"))) {
        QPalette p = heading->palette();
        p.setColor(QPalette::WindowText, scheme.MapLinkText);
        heading->setPalette(p);
    }
    PaintToolbar(toolbar_, scheme);

    QList<QWidget*> windows{this};
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != this && top->objectName() != QLatin1String("TOpeningScreenFm") &&
            top->objectName() != QLatin1String("THintFm"))
            windows << top;
    for (QWidget* window : windows) {
        if (window != this) SetBackground(window, scheme.PageBackground);
        for (TPage* page : window->findChildren<TPage*>()) SetBackground(page, scheme.PageBackground);
        for (QFrame* panel : window->findChildren<QFrame*>())
            if (panel->property(InsetPanelProperty).toBool()) SetBackground(panel, scheme.InsetPanel);
        if (auto* bar = window->findChild<QToolBar*>(QStringLiteral("Preview_ToolBar"))) PaintToolbar(bar, scheme);
        for (TLink* link : LinksOf(window)) {
            const QString name = link->objectName();
            if (name == QLatin1String("CloseLnk")) continue;
            const bool worksheet = name.startsWith(QLatin1String("Worksheet_Left")) ||
                                   name.startsWith(QLatin1String("Worksheet_Right"));
            const bool map = name.startsWith(QLatin1String("Nav_"));
            const QColor text = map ? scheme.MapLinkText : link->IsPanel() ? scheme.HomeButtons : scheme.LinkText;
            link->SetLinkColours(text, map ? scheme.MapHover : scheme.LinkHover, !worksheet && underlinedLinks_);
            if (link->IsPanel()) link->SetPanelStyle(true, scheme.PageBackground);
        }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->objectName().contains(QLatin1String("_Bnr")) &&
                w->objectName() != QLatin1String("FinishedPuzzle_ViewBnr"))
                continue;
            SetBackground(w, scheme.MapBackground);
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText, ReadableOn(scheme.MapBackground));
            p.setColor(QPalette::ButtonText, ReadableOn(scheme.MapBackground));
            // A toolbar (the finished page's views) paints itself from the button colour.
            if (qobject_cast<QToolBar*>(w)) p.setColor(QPalette::Button, scheme.MapBackground);
            w->setPalette(p);
        }
    }
}

void TWebFm::ApplyEditTextSize(int points) {
    editTextSize_ = points == 10 ? 10 : points <= 0 ? 8 : points;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!IsEditor(w)) continue;
        QFont f = w->font();
        f.setPointSize(editTextSize_);
        w->setFont(f);
    }
    const int height = editTextSize_ == 10 || editTextSize_ == 11 ? 40 : 33;
    for (const char* name : {"Words_TitleMemo", "Words_HiddenMemo"})
        if (auto* memo = findChild<QWidget*>(QString::fromLatin1(name))) memo->setFixedHeight(height);
}

void TWebFm::SetProgramMapShown(bool shown, bool animate) {
    const int target = shown ? MapWidth() : 0;
    programMapShown_ = shown;
    if (!animate) {
        programMap_->setFixedWidth(target);
        programMap_->setVisible(shown);
        return;
    }
    programMap_->setVisible(true);
    // A toggle during the slide only turns the running slide around.
    if (!programMapSliding_) StepProgramMap();
}

// Five pixels a step, the window painting between steps.
void TWebFm::StepProgramMap() {
    const bool shown = programMapShown_;
    const int target = shown ? MapWidth() : 0;
    const int width = programMap_->width();
    const int next = shown ? std::min(target, width + 5) : std::max(0, width - 5);
    programMap_->setFixedWidth(next);
    programMapSliding_ = next != target;
    if (programMapSliding_) {
        services_.Clock.After(10, this, [this] { StepProgramMap(); });
        return;
    }
    programMap_->setVisible(shown);
    if (!shown && !isMaximized()) resize(std::max(minimumSizeHint().width(), this->width() - MapWidth()), height());
}

// --- Model notices.

void TWebFm::FollowModel() {
    const TModelSignals& notices = model_->Signals();
    connect(&notices, &TModelSignals::ModifiedChanged, this, [this](bool modified) {
        setWindowModified(modified);
        UpdateToolbar();
    });
    connect(&notices, &TModelSignals::CaptionChanged, this, [this](const QString& caption) {
        // "[*]" is where the desktop shows the unsaved-changes mark.
        const QString title = caption + QStringLiteral("[*]");
        if (windowTitle() != title) setWindowTitle(title);
    });
    connect(&notices, &TModelSignals::SeparateLinesHint, this, [this](const QString& text) {
        ShowHintBeside(findChild<QWidget*>(QStringLiteral("Words_Memo")), text, 20);
    });
    connect(&notices, &TModelSignals::AppearanceReset, this, [this] {
        if (windows_ && windows_->Layout) windows_->Layout->RefreshLayoutControls();
    });
    connect(&notices, &TModelSignals::MemorizedNoticeChanged, this, [this](bool shown) {
        if (auto* label = findChild<QLabel*>(QStringLiteral("Worksheet_DoneLbl"))) label->setVisible(shown);
    });
}

// --- Recent puzzles.

QString MissingRecentFileQuestion(const QString& fileName) {
    return QStringLiteral("The puzzle file \"%1\" is no longer there: it may have been moved, renamed or deleted.\n\n"
                          "Take it off the list of recent puzzles?")
        .arg(QDir::toNativeSeparators(fileName));
}

const QStringList& TWebFm::RecentFiles() const { return Preferences().RecentFiles; }

void TWebFm::AddRecentFile(const QString& fileName) {
    TPreferences& prefs = Preferences();
    prefs.RecentFiles = vorlix::AddRecentFile(prefs.RecentFiles, QFileInfo(fileName).absoluteFilePath());
    TReport report;
    store_->SaveRecentFiles(prefs, report);
    ShowReport(report);
    ShowRecentFiles();
}

void TWebFm::OpenRecentFile(const QString& fileName) {
    if (QFileInfo(fileName).isFile()) {
        OpenFile(fileName);
        return;
    }
    if (services_.Messages.ShowMessage(MessageKind::Confirmation, ToWide(MissingRecentFileQuestion(fileName)),
                                       MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    TPreferences& prefs = Preferences();
    prefs.RecentFiles.removeAll(fileName);
    TReport report;
    store_->SaveRecentFiles(prefs, report);
    ShowReport(report);
    ShowRecentFiles();
}

void TWebFm::ShowRecentFiles() {
    menus_->ShowRecentFiles(RecentFiles());
    PageOf<THomePage>()->ShowRecentFiles(RecentFiles());
    ApplyLinkStyle();  // the new links take the colour scheme
}

// --- Menus and keys.

void TWebFm::GoToPage(const QString& pageName) {
    if (CurrentPageName() != pageName) TurnPage(pageName);
}

void TWebFm::PressPageControl(const QString& pageName, const QString& controlName) {
    GoToPage(pageName);
    TPage* page = PageNamed(pageName);
    QWidget* control = page ? page->findChild<QWidget*>(controlName) : nullptr;
    if (auto* link = qobject_cast<TLink*>(control))
        link->Activate();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
}

bool TWebFm::FindInWordList(const QString& text, bool next) {
    GoToPage(QStringLiteral("Design"));
    auto* memo = findChild<QPlainTextEdit*>(QStringLiteral("Words_Memo"));
    if (!memo || text.isEmpty()) return false;
    QTextCursor cursor = memo->textCursor();
    // Searching on goes from the end of the selection, a new search from the top.
    if (!next) cursor.movePosition(QTextCursor::Start);
    QTextCursor found = memo->document()->find(text, cursor);
    if (found.isNull()) found = memo->document()->find(text, 0);  // round again from the top
    if (found.isNull()) return false;
    memo->setTextCursor(found);
    memo->ensureCursorVisible();
    return true;
}

QString TWebFm::ManualPath() {
    const QDir dir(QCoreApplication::applicationDirPath());
    // Beside the program in the build tree, one folder up for the tests, and where an
    // installation keeps its data.
    for (const QString& candidate :
         {QStringLiteral("help/manual.html"), QStringLiteral("../help/manual.html"),
          QStringLiteral("../share/vorlix/help/manual.html")}) {
        const QString path = QDir::cleanPath(dir.filePath(candidate));
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

void TWebFm::ShowManual() {
    const QString path = ManualPath();
    if (path.isEmpty()) {
        services_.Messages.ShowMessage(
            MessageKind::Warning,
            ToWide(QStringLiteral("The Vorlix manual is missing from this installation (help/manual.html beside the "
                                  "program). The Quick Tour and the FAQ's page are still here to help.")),
            MessageButtons::Ok);
        return;
    }
    if (!services_.Desktop.OpenUrl(QUrl::fromLocalFile(path)))
        services_.Messages.ShowMessage(
            MessageKind::Warning,
            ToWide(QStringLiteral("No web browser could be started to show the manual. You can open it yourself:\n") +
                   QDir::toNativeSeparators(path)),
            MessageButtons::Ok);
}

// --- Drops.

QString RefusedDropMessage(const QStringList& names) {
    return QStringLiteral("Vorlix cannot use %1:\n%2\n\nDrop a puzzle (.ws) to open it, or a word list (.txt, .thm, "
                          ".gmr) to add its words.")
        .arg(names.size() == 1 ? QStringLiteral("this file") : QStringLiteral("these files"),
             names.join(QLatin1Char('\n')));
}

bool TWebFm::CanTakeDrop(const QMimeData& data) const { return data.hasUrls() || data.hasText(); }

void TWebFm::TakeDrop(const QList<QUrl>& urls, const QString& text, bool onWordList) {
    if (!urls.isEmpty()) {
        QStringList puzzles, lists, refused;
        for (const QUrl& url : urls) {
            const QString path = url.toLocalFile();
            const QString suffix = QFileInfo(path).suffix().toLower();
            if (!url.isLocalFile() || !QFileInfo(path).isFile())
                refused << url.toDisplayString(QUrl::PreferLocalFile);
            else if (suffix == QLatin1String("ws") && !onWordList)
                puzzles << path;
            else if (suffix == QLatin1String("ws") || IsWordListFile(suffix))
                lists << path;
            else
                refused << QFileInfo(path).fileName();
        }
        if (puzzles.size() > 1) {
            services_.Messages.ShowMessage(
                MessageKind::Warning,
                ToWide(QStringLiteral("Please drop one puzzle at a time: Vorlix shows one puzzle in its window.")),
                MessageButtons::Ok);
            return;
        }
        if (!refused.isEmpty())
            services_.Messages.ShowMessage(MessageKind::Warning, ToWide(RefusedDropMessage(refused)),
                                           MessageButtons::Ok);
        // A dropped list next to a puzzle goes into that puzzle, so it opens first.
        if (!puzzles.isEmpty() && !OpenFile(puzzles.front())) return;
        for (const QString& list : lists) ImportDroppedList(list);
        return;
    }
    QStringList words;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]+"))))
        if (!line.trimmed().isEmpty()) words << line.trimmed();
    if (words.isEmpty()) {
        services_.Messages.ShowMessage(MessageKind::Information,
                                       ToWide(QStringLiteral("The dropped text holds no words to add.")),
                                       MessageButtons::Ok);
        return;
    }
    QStringList lines = model_->Puzzle().WordLines;
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    model_->SetWordLines(lines + words);
    undo_->Name(QStringLiteral("Dropped Words"));
    GoToPage(QStringLiteral("Design"));
    LoadPagesFromModel();
}

void TWebFm::ImportDroppedList(const QString& fileName) {
    GoToPage(QStringLiteral("Design"));
    PageOf<TDesignPage>()->ImportFile(fileName);
    undo_->Name(QStringLiteral("Import"));
}

bool TWebFm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool drag = type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
    const bool press = type == QEvent::MouseButtonPress;
    if (!drag && !press) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || closing_) return false;
    if (press) {
        // The mouse's own back and forward buttons turn pages as the toolbar does.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::BackButton && !history_.BackHistory.IsEmpty()) {
            Back();
            return true;
        }
        if (mouse->button() == Qt::ForwardButton && !history_.ForwardHistory.IsEmpty()) {
            Forward();
            return true;
        }
        return false;
    }
    auto* dropEvent = static_cast<QDropEvent*>(event);
    const QMimeData* data = dropEvent->mimeData();
    // Text dropped into a text box is the box's own business; files never are.
    if (!data || !CanTakeDrop(*data) || (!data->hasUrls() && TakesTextDrops(watched))) return false;
    dropEvent->setDropAction(Qt::CopyAction);
    dropEvent->accept();
    if (type == QEvent::Drop) {
        // Taken once the drag is over: opening may ask about saving first.
        QMetaObject::invokeMethod(
            this,
            [this, urls = data->urls(), text = data->hasUrls() ? QString() : data->text(),
             onWordList = OnWordList(watched)] { TakeDrop(urls, text, onWordList); },
            Qt::QueuedConnection);
    }
    return true;
}

}  // namespace vorlix::shell
