// The "Make a Book" window.
#include "bookfm.h"

#include <QCheckBox>
#include <QDate>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "puzzlebuilder.h"
#include "puzzledocument.h"

namespace vorlix::shell {

// One page of the book, drawn by the book itself onto a picture and shown whole.
class TBookPreview : public QWidget {
public:
    explicit TBookPreview(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Book_PreviewBox"));
        setAccessibleName(QStringLiteral("Page preview"));
        setMinimumSize(260, 340);
    }
    void Show(const TBook* book, int page) {
        book_ = book;
        page_ = page;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        if (!book_ || page_ < 1 || page_ > book_->PageCount()) {
            // An empty box would look broken: say how to fill it.
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                             QStringLiteral("Add puzzles, then choose Preview to see the book's pages here."));
            return;
        }
        const double ppi = std::min((width() - 8) / book_->PageWidth(), (height() - 8) / book_->PageHeight());
        const QImage image = RenderBookPage(*book_, page_, ppi);
        const QPoint at((width() - image.width()) / 2, (height() - image.height()) / 2);
        painter.drawImage(at, image);
        painter.setPen(Qt::gray);
        painter.drawRect(QRect(at, image.size()).adjusted(0, 0, -1, -1));
    }

private:
    const TBook* book_ = nullptr;
    int page_ = 0;
};

namespace {

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(QString(caption).remove(u'&').remove(QStringLiteral("...")));
    return b;
}

template <class W>
W* Named(W* w, const QString& name, const QString& caption) {
    w->setObjectName(name);
    w->setAccessibleName(caption);
    return w;
}

}  // namespace

TBookFm::TBookFm(const TPuzzle& current, const TPuzzle& defaults, TPuzzleBuilder& builder, const TServices& services,
                 QWidget* parent)
    : QDialog(parent), current_(current), defaults_(defaults), builder_(builder), services_(services) {
    setObjectName(QStringLiteral("BookFm"));
    setWindowTitle(QStringLiteral("Make a Book"));
    auto* columns = new QHBoxLayout(this);

    // The puzzles, in book order.
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Puzzles in the book, in order:"), this));
    list_ = Named(new QListWidget(this), QStringLiteral("Book_ItemsLst"), QStringLiteral("Puzzles in the book"));
    left->addWidget(list_, 1);
    auto* listButtons = new QHBoxLayout;
    auto* addCurrent = Button(QStringLiteral("Book_AddCurrentBtn"), QStringLiteral("Add &Current Puzzle"), this);
    auto* addFiles = Button(QStringLiteral("Book_AddFilesBtn"), QStringLiteral("Add &Files..."), this);
    auto* up = Button(QStringLiteral("Book_UpBtn"), QStringLiteral("Move &Up"), this);
    auto* down = Button(QStringLiteral("Book_DownBtn"), QStringLiteral("Move Do&wn"), this);
    auto* remove = Button(QStringLiteral("Book_RemoveBtn"), QStringLiteral("&Remove"), this);
    for (QPushButton* b : {addCurrent, addFiles, up, down, remove}) listButtons->addWidget(b);
    left->addLayout(listButtons);
    connect(addCurrent, &QPushButton::clicked, this, [this] { AddCurrentClick(); });
    connect(addFiles, &QPushButton::clicked, this, [this] { AddFilesClick(); });
    connect(up, &QPushButton::clicked, this, [this] { MoveClick(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveClick(1); });
    connect(remove, &QPushButton::clicked, this, [this] { RemoveClick(); });

    // The book's choices.
    auto* form = new QFormLayout;
    trim_ = Named(new QComboBox(this), QStringLiteral("Book_TrimCmBx"), QStringLiteral("Trim size"));
    for (const TTrim& t : Trims) trim_->addItem(QString::fromLatin1(t.Name.data(), t.Name.size()));
    trim_->setCurrentText(QString::fromLatin1(DefaultTrimName.data(), DefaultTrimName.size()));
    form->addRow(QStringLiteral("&Trim size:"), trim_);
    bleed_ = Named(new QCheckBox(QStringLiteral("&Bleed (0.125 in)"), this), QStringLiteral("Book_BleedChk"),
                   QStringLiteral("Bleed (0.125 in)"));
    large_ = Named(new QCheckBox(QStringLiteral("&Large print"), this), QStringLiteral("Book_LargePrintChk"),
                   QStringLiteral("Large print"));
    contents_ = Named(new QCheckBox(QStringLiteral("C&ontents page"), this), QStringLiteral("Book_ContentsChk"),
                      QStringLiteral("Contents page"));
    contents_->setChecked(true);
    form->addRow(bleed_);
    form->addRow(large_);
    form->addRow(contents_);
    title_ = Named(new QLineEdit(this), QStringLiteral("Book_TitleEdt"), QStringLiteral("Title"));
    subtitle_ = Named(new QLineEdit(this), QStringLiteral("Book_SubtitleEdt"), QStringLiteral("Subtitle"));
    author_ = Named(new QLineEdit(this), QStringLiteral("Book_AuthorEdt"), QStringLiteral("Author"));
    form->addRow(QStringLiteral("T&itle:"), title_);
    form->addRow(QStringLiteral("&Subtitle:"), subtitle_);
    form->addRow(QStringLiteral("&Author:"), author_);
    answers_ = Named(new QSpinBox(this), QStringLiteral("Book_AnswersSpn"), QStringLiteral("Answers per page"));
    answers_->setRange(0, MaxAnswersPerPage);
    answers_->setSpecialValueText(QStringLiteral("Automatic"));
    form->addRow(QStringLiteral("Answers &per page:"), answers_);
    left->addLayout(form);
    auto* actions = new QHBoxLayout;
    auto* preview = Button(QStringLiteral("Book_PreviewBtn"), QStringLiteral("Pre&view"), this);
    auto* save = Button(QStringLiteral("Book_SaveBtn"), QStringLiteral("Save P&DF..."), this);
    auto* close = Button(QStringLiteral("Book_CloseBtn"), QStringLiteral("Close"), this);
    actions->addWidget(preview);
    actions->addWidget(save);
    actions->addStretch(1);
    actions->addWidget(close);
    left->addLayout(actions);
    connect(preview, &QPushButton::clicked, this, [this] { PreviewClick(); });
    connect(save, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    columns->addLayout(left, 1);

    // The pages and the paper check.
    auto* right = new QVBoxLayout;
    preview_ = new TBookPreview(this);
    right->addWidget(preview_, 1);
    auto* pager = new QHBoxLayout;
    page_ = Named(new QSpinBox(this), QStringLiteral("Book_PageSpn"), QStringLiteral("Page"));
    page_->setRange(0, 0);
    pages_ = new QLabel(this);
    pages_->setObjectName(QStringLiteral("Book_PagesLbl"));
    pager->addWidget(new QLabel(QStringLiteral("Page:"), this));
    pager->addWidget(page_);
    pager->addWidget(pages_, 1);
    right->addLayout(pager);
    checkText_ = Named(new QPlainTextEdit(this), QStringLiteral("Book_CheckTxt"), QStringLiteral("Paper check"));
    checkText_->setReadOnly(true);
    checkText_->setMaximumHeight(110);
    checkText_->setPlaceholderText(QStringLiteral("The paper check appears here once the book is saved."));
    right->addWidget(checkText_);
    columns->addLayout(right, 1);
    connect(page_, &QSpinBox::valueChanged, this, [this](int page) { ShowPage(page); });

    // A changed choice makes the previewed book stale.
    const auto stale = [this] {
        book_.reset();
        preview_->Show(nullptr, 0);
        page_->setRange(0, 0);
        pages_->clear();
    };
    connect(trim_, &QComboBox::currentIndexChanged, this, stale);
    for (QCheckBox* c : {bleed_, large_, contents_}) connect(c, &QCheckBox::toggled, this, stale);
    for (QLineEdit* e : {title_, subtitle_, author_}) connect(e, &QLineEdit::textChanged, this, stale);
    connect(answers_, &QSpinBox::valueChanged, this, stale);
    connect(list_->model(), &QAbstractItemModel::rowsInserted, this, stale);
    connect(list_->model(), &QAbstractItemModel::rowsRemoved, this, stale);
    resize(980, 640);
}

TBookFm::~TBookFm() = default;

TBookOptions TBookFm::Options() const {
    TBookOptions o;
    o.Trim = trim_->currentText();
    o.Bleed = bleed_->isChecked();
    o.LargePrint = large_->isChecked();
    o.Contents = contents_->isChecked();
    o.Title = title_->text();
    o.Subtitle = subtitle_->text();
    o.Author = author_->text();
    o.AnswersPerPage = answers_->value();
    o.Year = QDate::currentDate().year();
    return o;
}

void TBookFm::Tell(const TReport& report) { ShowReport(services_.Messages, report); }

void TBookFm::RefreshList() {
    const int row = list_->currentRow();
    list_->clear();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TBookItem& item = items_[i];
        const QString title = UsedLineCount(item.Puzzle.TitleLines) > 0 ? item.Puzzle.TitleLines.first() : QString();
        QString text = QStringLiteral("%1. %2").arg(i + 1).arg(title.isEmpty() ? QStringLiteral("(untitled)") : title);
        text += item.NeedsBuild ? QStringLiteral("  - word list") : QStringLiteral("  - puzzle");
        if (!item.Source.isEmpty()) text += QStringLiteral(" (") + QFileInfo(item.Source).fileName() + u')';
        list_->addItem(text);
    }
    list_->setCurrentRow(std::min(row, list_->count() - 1));
}

void TBookFm::AddCurrentClick() {
    if (current_.Grid().PlacedWordCount() <= 0) {
        services_.Messages.ShowMessage(MessageKind::Information,
                                       u"The current puzzle has no words in its grid yet. Make it first.",
                                       MessageButtons::Ok);
        return;
    }
    items_.push_back(SavedItem(current_, QStringLiteral("current puzzle")));
    RefreshList();
    list_->setCurrentRow(list_->count() - 1);
}

void TBookFm::AddFile(const QString& path) {
    TReport report;
    if (auto item = ReadBookItem(path, defaults_, true, report)) {
        items_.push_back(std::move(*item));
        RefreshList();
        list_->setCurrentRow(list_->count() - 1);
    }
    Tell(report);
}

void TBookFm::AddFilesClick() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Add a Puzzle or Word List to the Book");
    request.Filter = QStringLiteral("Puzzles and word lists (*.ws;*.txt;*.thm)|*.ws;*.txt;*.thm|All files (*.*)|*.*");
    for (QString path = services_.Files.OpenFileName(this, request); !path.isEmpty();
         path = services_.Files.OpenFileName(this, request)) {
        AddFile(path);
        request.FileName = QFileInfo(path).absolutePath();
    }
}

void TBookFm::MoveClick(int by) {
    const int row = list_->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(items_.size())) return;
    std::swap(items_[static_cast<std::size_t>(row)], items_[static_cast<std::size_t>(to)]);
    RefreshList();
    list_->setCurrentRow(to);
}

void TBookFm::RemoveClick() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(items_.size())) return;
    items_.erase(items_.begin() + row);
    RefreshList();
}

bool TBookFm::MakeBook(const std::function<bool(int, int)>& progress) {
    if (items_.empty()) {
        services_.Messages.ShowMessage(MessageKind::Information,
                                       u"Add the current puzzle, saved puzzles or word lists first.",
                                       MessageButtons::Ok);
        return false;
    }
    TReport report;
    auto book = vorlix::MakeBook(items_, Options(), builder_, report, progress);
    Tell(report);
    if (!book) return false;
    book_ = std::move(book);
    page_->setRange(1, book_->PageCount());
    pages_->setText(QStringLiteral("of %1 (%2 puzzles, %3 answers per page)")
                        .arg(book_->PageCount())
                        .arg(book_->Puzzles().size())
                        .arg(book_->AnswersPerPage()));
    page_->setValue(1);
    ShowPage(1);
    return true;
}

namespace {

// The window's progress over a long run: it keeps answering, and Cancel is seen at the
// next puzzle or page.
class TBookProgressDlg : public QProgressDialog {
public:
    explicit TBookProgressDlg(QWidget* parent)
        : QProgressDialog(QStringLiteral("Making the book..."), QStringLiteral("Cancel"), 0, 0, parent) {
        setObjectName(QStringLiteral("BookProgressDlg"));
        setWindowTitle(QStringLiteral("Make a Book"));
        setWindowModality(Qt::WindowModal);
        setMinimumDuration(400);
    }
    std::function<bool(int, int)> Step(const QString& what) {
        return [this, what](int done, int total) {
            setLabelText(what.arg(done + 1).arg(total));
            setMaximum(total);
            setValue(std::min(done, total));
            QCoreApplication::processEvents();
            return !wasCanceled();
        };
    }
};

}  // namespace

bool TBookFm::EnsureBook(QProgressDialog& progress, const std::function<bool(int, int)>& step) {
    if (book_) return true;
    builder_.SetProgress([&progress](int, int) {
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    const bool made = MakeBook(step);
    builder_.SetProgress({});
    return made && !progress.wasCanceled();
}

bool TBookFm::PreviewClick() {
    TBookProgressDlg progress(this);
    return EnsureBook(progress, progress.Step(QStringLiteral("Building puzzle %1 of %2...")));
}

void TBookFm::ShowPage(int page) { preview_->Show(book_.get(), page); }

bool TBookFm::SaveClick() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Save the Book as PDF");
    request.Filter = QStringLiteral("PDF files (*.pdf)|*.pdf");
    request.DefaultSuffix = QStringLiteral("pdf");
    request.FileName = title_->text().trimmed().isEmpty() ? QStringLiteral("book.pdf") : title_->text().trimmed() + ".pdf";
    const QString path = services_.Files.SaveFileName(this, request);
    if (path.isEmpty()) return false;

    TBookProgressDlg progress(this);
    const auto step = [&progress](const QString& what) { return progress.Step(what); };
    if (!EnsureBook(progress, step(QStringLiteral("Building puzzle %1 of %2...")))) return false;
    QByteArray pdf;
    const TBookPdfResult written = SaveBookPdf(*book_, path, &pdf, [&](int page, int pages) {
        return step(QStringLiteral("Drawing page %1 of %2..."))(page - 1, pages);
    });
    if (!written.Ok) {
        if (!written.Cancelled)
            services_.Messages.ShowMessage(MessageKind::Error, written.Error.toStdU16String(), MessageButtons::Ok);
        return false;
    }
    check_ = CheckPaper(PagesOf(*book_), pdf, [&](int page, int pages) {
        return step(QStringLiteral("Checking page %1 of %2..."))(page - 1, pages);
    });
    progress.reset();
    checkText_->setPlainText(QStringLiteral("Saved %1 (%2 pages).\n").arg(QFileInfo(path).fileName()).arg(book_->PageCount()) +
                             (book_->PageCount() < MinBookPages
                                  ? QStringLiteral("Note: print services ask for at least %1 pages.\n").arg(MinBookPages)
                                  : QString()) +
                             check_.Lines().join(u'\n'));
    return true;
}

}  // namespace vorlix::shell
