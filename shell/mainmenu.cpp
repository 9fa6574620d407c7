// Builds the menus; each item runs the same window command or page control as its button.
#include "mainmenu.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "undohistory.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

// The desktop's keys for a command, or the usual Linux keys where its scheme has none
// (the Windows-like fallback scheme has no Save As or Quit key).
QList<QKeySequence> Keys(QKeySequence::StandardKey key, const QKeySequence& usual = {}) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!usual.isEmpty() && !keys.contains(usual)) keys << usual;
    return keys;
}
QList<QKeySequence> Keys(const QKeySequence& key) { return {key}; }

}  // namespace

TMainMenus::TMainMenus(TWebFm& window, TUndoHistory& history)
    : QObject(&window), window_(&window), history_(&history) {
    TWebFm* w = window_;
    QMenuBar* bar = w->menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    auto menu = [bar](const char* name, const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->setObjectName(QString::fromLatin1(name));
        m->setAccessibleName(QString(title).remove(QLatin1Char('&')));
        return m;
    };
    // Menu items that stand for a page's own control press that control, so both stay one.
    auto control = [w](const char* page, const char* name) {
        return [w, page, name] { w->PressPageControl(QString::fromLatin1(page), QString::fromLatin1(name)); };
    };
    auto page = [w](const char* name) { return [w, name] { w->GoToPage(QString::fromLatin1(name)); }; };

    QMenu* file = menu("FileMnu", tr("&File"));
    Add(file, "File_NewItm", tr("&New"), Keys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)), [w] { w->NewCommand(); });
    Add(file, "File_OpenItm", tr("&Open..."), Keys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)), [w] { w->OpenCommand(); });
    recent_ = file->addMenu(tr("Open &Recent"));
    recent_->setObjectName(QStringLiteral("File_RecentMnu"));
    recent_->setAccessibleName(tr("Open Recent"));
    file->addSeparator();
    Add(file, "File_SaveItm", tr("&Save"), Keys(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)), [w] { w->SaveCommand(); });
    Add(file, "File_SaveAsItm", tr("Save &As..."), Keys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)), [w] { w->SaveAsCommand(); });
    file->addSeparator();
    Add(file, "File_ImportItm", tr("&Import Word List..."), {}, control("Design", "Words_ImportLnk"));
    Add(file, "File_ExportListItm", tr("Export Word &List..."), {}, control("Design", "Words_ExportListBtn"));
    Add(file, "File_ExportItm", tr("&Export Puzzle..."), Keys(QKeySequence(Qt::CTRL | Qt::Key_E)),
        [w] { w->ShowExport(); });
    file->addSeparator();
    Add(file, "File_PrintItm", tr("&Print..."), Keys(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)), page("Print"));
    Add(file, "File_PreviewItm", tr("Print Pre&view"), {}, [w] { w->ShowPreview(); });
    Add(file, "File_MakeBookItm", tr("Make a &Book..."), {}, [w] { w->MakeBook(); });
    file->addSeparator();
    QList<QKeySequence> quit = Keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit << Keys(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W));
    Add(file, "File_QuitItm", tr("&Quit"), quit, [w] { w->close(); })->setMenuRole(QAction::QuitRole);

    QMenu* edit = menu("EditMnu", tr("&Edit"));
    QAction* undo = Add(edit, "Edit_UndoItm", tr("&Undo"), Keys(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)), [&history] { history.Undo(); });
    QAction* redo = Add(edit, "Edit_RedoItm", tr("&Redo"), Keys(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)), [&history] { history.Redo(); });
    QUndoStack& stack = history.Stack();
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(&stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    edit->addSeparator();
    // The find box sits at the right of the menu bar; its text is searched in the word list.
    find_ = new QLineEdit(bar);
    find_->setObjectName(QStringLiteral("FindEd"));
    find_->setAccessibleName(tr("Find in word list"));
    find_->setPlaceholderText(tr("Find in word list"));
    find_->setClearButtonEnabled(true);
    find_->setMaximumWidth(220);
    bar->setCornerWidget(find_, Qt::TopRightCorner);
    connect(find_, &QLineEdit::textEdited, w, [this](const QString& text) { Search(text, false); });
    connect(find_, &QLineEdit::returnPressed, w, [this] { Search(find_->text(), true); });
    Add(edit, "Edit_FindItm", tr("&Find in Word List"), Keys(QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F)), [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    Add(edit, "Edit_FindNextItm", tr("Find &Next"), Keys(QKeySequence::FindNext, QKeySequence(Qt::Key_F3)),
        [this] { Search(find_->text(), true); });
    edit->addSeparator();
    Add(edit, "Edit_ClearListItm", tr("&Clear List"), {}, control("Design", "Words_ClearListBtn"));
    Add(edit, "Edit_SpellingItm", tr("Check &Spelling..."), Keys(QKeySequence(Qt::Key_F7)),
        control("Design", "Words_SpellingBtn"));
    edit->addSeparator();
    Add(edit, "Edit_PrefItm", tr("&Personalize..."), Keys(QKeySequence::Preferences), page("Pref"))
        ->setMenuRole(QAction::PreferencesRole);

    QMenu* view = menu("ViewMnu", tr("&View"));
    Add(view, "View_BackItm", tr("&Back"), Keys(QKeySequence::Back, QKeySequence(Qt::ALT | Qt::Key_Left)),
        [w] { w->Back(); });
    Add(view, "View_ForwardItm", tr("&Forward"), Keys(QKeySequence::Forward, QKeySequence(Qt::ALT | Qt::Key_Right)),
        [w] { w->Forward(); });
    Add(view, "View_HomeItm", tr("&Home"), Keys(QKeySequence(Qt::ALT | Qt::Key_Home)), page("Home"));
    view->addSeparator();
    QAction* map = Add(view, "View_MapItm", tr("Program &Map"), {}, {});
    map->setCheckable(true);
    connect(map, &QAction::triggered, w, [w](bool on) { w->SetProgramMapShown(on); });
    Add(view, "View_EnlargeItm", tr("&Enlarge Puzzle"), {}, [w] { w->ShowPreview(); });

    QMenu* puzzle = menu("PuzzleMnu", tr("&Puzzle"));
    Add(puzzle, "Puzzle_DesignItm", tr("&Design Puzzle"), {}, page("Design"));
    Add(puzzle, "Puzzle_TypeItm", tr("Change Puzzle &Type"), {}, page("Type_"));
    Add(puzzle, "Puzzle_WorksheetItm", tr("&Worksheet"), {}, page("Worksheet"));
    Add(puzzle, "Puzzle_InstructionsItm", tr("&Instructions"), {}, page("Instructions"));
    Add(puzzle, "Puzzle_DirsItm", tr("Word &Directions"), {}, page("Dirs"));
    Add(puzzle, "Puzzle_SharingItm", tr("Letter &Sharing"), {}, page("Sharing"));
    Add(puzzle, "Puzzle_CapsItm", tr("&Capitalization"), {}, page("Caps"));
    Add(puzzle, "Puzzle_CreditsItm", tr("Credits &Line"), {}, page("Credits"));
    Add(puzzle, "Puzzle_AppearanceItm", tr("Change &Appearance..."), {}, [w] { w->ShowAppearance(); });
    Add(puzzle, "Puzzle_ExampleItm", tr("E&xample Word List..."), {}, [w] { w->ShowExample(QString()); });
    puzzle->addSeparator();
    Add(puzzle, "Puzzle_CreateItm", tr("Create Puzzle &Now"), Keys(QKeySequence(Qt::CTRL | Qt::Key_Return)), [w] {
        w->UndoHistory().Name(tr("Create Puzzle"));
        w->CreatePuzzle();
    });
    Add(puzzle, "Puzzle_FinishedItm", tr("&Finished Puzzle"), {}, page("Finished"));
    Add(puzzle, "Puzzle_RescrambleItm", tr("&Rescramble"), Keys(QKeySequence(Qt::CTRL | Qt::Key_R)),
        control("Finished", "Puzzle_TryAgainBtn"));
    Add(puzzle, "Puzzle_RotateItm", tr("R&otate"), {}, control("Finished", "Puzzle_Rotate90Lnk"));
    Add(puzzle, "Puzzle_FlipUpDownItm", tr("Mirror Top to &Bottom"), {}, control("Finished", "Puzzle_FlipUpDownLnk"));
    Add(puzzle, "Puzzle_FlipLeftRightItm", tr("Mirror &Left to Right"), {},
        control("Finished", "Puzzle_FlipLeftRightLnk"));

    QMenu* help = menu("HelpMnu", tr("&Help"));
    Add(help, "Help_ManualItm", tr("Vorlix &Manual"), Keys(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)), [w] { w->ShowManual(); });
    Add(help, "Help_TourItm", tr("Quick &Tour"), {}, [w] { w->ShowTour(QStringLiteral("Intro")); });
    Add(help, "Help_FAQsItm", tr("&FAQ's"), {}, page("FAQs"));
    help->addSeparator();
    Add(help, "Help_AboutItm", tr("&About Vorlix"), {}, page("About"))->setMenuRole(QAction::AboutRole);

    UpdateStates();
}

QAction* TMainMenus::Add(QMenu* menu, const char* name, const QString& text, const QList<QKeySequence>& keys,
                         std::function<void()> run) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QString::fromLatin1(name));
    // One entry per key: a key listed twice would count as ambiguous and do nothing.
    QList<QKeySequence> unique;
    for (const QKeySequence& k : keys)
        if (!k.isEmpty() && !unique.contains(k)) unique << k;
    action->setShortcuts(unique);
    // Window-wide, so that the keys work on every page and in every box that does not take them.
    action->setShortcutContext(Qt::WindowShortcut);
    if (run) connect(action, &QAction::triggered, window_, [run] { run(); });
    menu->addAction(action);
    window_->addAction(action);
    return action;
}

void TMainMenus::Search(const QString& text, bool next) {
    const bool found = text.isEmpty() || window_->FindInWordList(text, next);
    QPalette p = find_->palette();
    p.setColor(QPalette::Text, found ? find_->parentWidget()->palette().color(QPalette::Text) : QColor(Qt::red));
    find_->setPalette(p);
    // The box keeps the focus while typing, so the search goes on with each key.
    find_->setFocus();
}

QAction* TMainMenus::Action(const QString& name) const {
    return window_->findChild<QAction*>(name, Qt::FindChildrenRecursively);
}

void TMainMenus::ShowRecentFiles(const QStringList& files) {
    recent_->clear();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // "&1 name" up to nine, the rest unnumbered.
        const QString label = (i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString()) + QFileInfo(path).fileName();
        QAction* item = recent_->addAction(label);
        item->setObjectName(QStringLiteral("File_RecentItm%1").arg(i + 1));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, window_, [w = window_, path] { w->OpenRecentFile(path); });
    }
    recent_->setEnabled(!files.isEmpty());
}

void TMainMenus::UpdateStates() {
    if (QAction* back = Action(QStringLiteral("View_BackItm")))
        back->setEnabled(!window_->History().BackHistory.IsEmpty());
    if (QAction* forward = Action(QStringLiteral("View_ForwardItm")))
        forward->setEnabled(!window_->History().ForwardHistory.IsEmpty());
    if (QAction* map = Action(QStringLiteral("View_MapItm"))) map->setChecked(window_->ProgramMapShown());
}

}  // namespace vorlix::shell
