// The book's page plan, geometry and drawing; the puzzle pages and answers are the puzzle
// document's own drawing steps, placed in the page's body.
#include "book.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "puzzledocument.h"
#include "safewrite.h"

namespace vorlix {

namespace {

const QString BookFace = QStringLiteral("Arial");
constexpr double Epsilon = 1e-6;
// The scratch placement the book moves the canvas origin with.
constexpr int BookPlacement = MaxPagePlacements;

TCanvasFont Face(int points, bool bold = false) { return TCanvasFont{BookFace, points, bold, false, Qt::black}; }

void Use(TAsCanvas& canvas, const TCanvasFont& font) { canvas.Font = font; }

// Draws with the canvas origin moved by d, then puts it back.
class TOriginShift {
public:
    TOriginShift(TAsCanvas& canvas, QPointF d) : canvas_(canvas), origin_(canvas.PageOffset()) {
        canvas_.SetPagePlacement(BookPlacement, origin_ + d);
        canvas_.SelectPage(BookPlacement);
    }
    ~TOriginShift() {
        canvas_.SetPagePlacement(BookPlacement, origin_);
        canvas_.SelectPage(BookPlacement);
    }

private:
    TAsCanvas& canvas_;
    QPointF origin_;
};

void TextCentred(TAsCanvas& canvas, double centreX, double y, const QString& text) {
    canvas.TextOut(centreX - ReferenceTextWidth(canvas.Font, text) / 2.0, y, text);
}

// Text cut with "..." to fit width.
QString Elided(const TCanvasFont& font, QString text, double width) {
    if (ReferenceTextWidth(font, text) <= width) return text;
    while (!text.isEmpty() && ReferenceTextWidth(font, text + QStringLiteral("...")) > width) text.chop(1);
    return text + QStringLiteral("...");
}

QStringList UsedLines(const QStringList& lines) { return lines.mid(0, UsedLineCount(lines)); }

// Answer boxes across and down for n answers on a page.
std::pair<int, int> SlotShape(int n) {
    if (n <= 1) return {1, 1};
    if (n == 2) return {1, 2};
    if (n == 3) return {1, 3};
    if (n == 4) return {2, 2};
    if (n <= 6) return {2, 3};
    return {3, 3};
}

}  // namespace

const TTrim* FindTrim(const QString& name) {
    const QString n = name.trimmed();
    for (const TTrim& t : Trims)
        if (n.compare(QLatin1StringView(t.Name.data(), t.Name.size()), Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

QString TrimNames() {
    QString names;
    for (const TTrim& t : Trims) {
        if (!names.isEmpty()) names += &t == &Trims.back() ? QStringLiteral(" or ") : QStringLiteral(", ");
        names += QLatin1StringView(t.Name.data(), t.Name.size());
    }
    return names;
}

double GutterFor(int pageCount) {
    if (pageCount <= 150) return 0.375;
    if (pageCount <= 300) return 0.5;
    if (pageCount <= 500) return 0.625;
    if (pageCount <= 700) return 0.75;
    return 0.875;
}

// --- Canvas ---

TBookCanvas::TBookCanvas(TCanvasKind kind, QPaintDevice* device, double resolution)
    : TAsCanvas(kind, device, resolution, resolution) {}

void TBookCanvas::TextOut(double x, double y, const QString& text) {
    if (!text.trimmed().isEmpty()) {
        if (ink_.SmallestText == 0 || Font.Size < ink_.SmallestText) ink_.SmallestText = Font.Size;
        ink_.Texts << text;
    }
    TAsCanvas::TextOut(x, y, text);
}

void TBookCanvas::KeepLineWidth() { Pen.Width = std::max(Pen.Width, MinLinePoints / 72.0); }

void TBookCanvas::LineTo(double x, double y) {
    KeepLineWidth();
    TAsCanvas::LineTo(x, y);
}

void TBookCanvas::Rectangle(const TInchRect& r) {
    KeepLineWidth();
    TAsCanvas::Rectangle(r);
}

void TBookCanvas::Ellipse(const TInchRect& r) {
    KeepLineWidth();
    TAsCanvas::Ellipse(r);
}

void TBookCanvas::Arc(const TInchRect& bounds, QPointF start, QPointF end) {
    KeepLineWidth();
    TAsCanvas::Arc(bounds, start, end);
}

TPageInk TBookCanvas::TakeInk() { return std::exchange(ink_, {}); }

// --- Geometry ---

TBook::TBook(std::vector<TPuzzle> puzzles, TBookOptions options)
    : puzzles_(std::move(puzzles)), options_(std::move(options)) {
    const TTrim* t = FindTrim(options_.Trim);
    trim_ = t ? *t : *FindTrim(QString::fromLatin1(DefaultTrimName.data(), DefaultTrimName.size()));
}

double TBook::PageWidth() const { return trim_.Width + (options_.Bleed ? BleedInches : 0.0); }

double TBook::PageHeight() const { return trim_.Height + (options_.Bleed ? 2.0 * BleedInches : 0.0); }

TPageGeometry TBook::Geometry(int page) const {
    TPageGeometry g;
    const double b = options_.Bleed ? BleedInches : 0.0;
    g.RightHand = page % 2 == 1;
    g.Page = {0.0, 0.0, PageWidth(), PageHeight()};
    // The bleed lies on the outside edge: right of a right-hand page, left of a left-hand one.
    g.Trim = g.RightHand ? TInchRect{0.0, b, trim_.Width, b + trim_.Height}
                         : TInchRect{b, b, b + trim_.Width, b + trim_.Height};
    const auto inset = [&g](double inside, double outside, double edge) {
        return g.RightHand ? TInchRect{g.Trim.Left + inside, g.Trim.Top + edge, g.Trim.Right - outside, g.Trim.Bottom - edge}
                           : TInchRect{g.Trim.Left + outside, g.Trim.Top + edge, g.Trim.Right - inside, g.Trim.Bottom - edge};
    };
    g.Safe = inset(gutter_, MinEdgeMargin, MinEdgeMargin);
    const double edge = trim_.Width < 8.0 ? 0.375 : 0.5;
    // Text keeps clear of the gutter line, whose paper may curl into the binding.
    g.Live = inset(gutter_ + 0.125, edge, edge);
    return g;
}

namespace {

int HeadingPoints(bool large) { return large ? 22 : 16; }
int FolioPoints(bool large) { return large ? LargePrintPoints : 9; }
int LabelPoints(bool large) { return large ? LargePrintPoints : 10; }
int NotePoints(bool large) { return large ? LargePrintPoints : 9; }
int ContentsPoints(bool large) { return large ? LargePrintPoints : 11; }

}  // namespace

TInchRect TBook::Body(int page) const {
    const TPageGeometry g = Geometry(page);
    const bool large = options_.LargePrint;
    const double head = ReferenceTextHeight(Face(HeadingPoints(large), true)) + 0.15;
    const double foot = ReferenceTextHeight(Face(FolioPoints(large))) + 0.12;
    return {g.Live.Left, g.Live.Top + head, g.Live.Right, g.Live.Bottom - foot};
}

QString TBook::Heading(int index) { return QStringLiteral("Puzzle ") + QString::number(index + 1); }

QString TBook::PuzzleTitle(int index) const {
    const QStringList lines = UsedLines(puzzles_[static_cast<std::size_t>(index)].TitleLines);
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty()) return line.trimmed();
    return {};
}

QString TBook::HiddenMessageOf(int index) const {
    const TPuzzle& p = puzzles_[static_cast<std::size_t>(index)];
    if (!p.Words().Settings.HasOption(Option_HiddenMessage)) return {};
    QStringList parts;
    for (const QString& line : p.HiddenMessageLines)
        if (!line.trimmed().isEmpty()) parts << line.trimmed();
    return parts.join(u' ');
}

int TBook::PuzzlePage(int index) const {
    return index >= 0 && index < static_cast<int>(puzzlePage_.size()) ? puzzlePage_[static_cast<std::size_t>(index)] : 0;
}

int TBook::SolutionsPage() const { return solutionsPage_; }

int TBook::ContentsLinesPerPage() const {
    const double line = 1.5 * ReferenceTextHeight(Face(ContentsPoints(options_.LargePrint)));
    return std::max(1, static_cast<int>(std::floor(Body(3).Height() / line)));
}

// --- Plan ---

void TBook::Plan() {
    pages_.clear();
    pages_.push_back({TBookPageKind::Title});
    pages_.push_back({TBookPageKind::Copyright});
    const int n = static_cast<int>(puzzles_.size());
    if (options_.Contents) {
        const int lines = n + 1;  // and the solutions
        const int per = ContentsLinesPerPage();
        for (int first = 0; first < lines; first += per)
            pages_.push_back({TBookPageKind::Contents, first, std::min(per, lines - first)});
    }
    puzzlePage_.assign(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        pages_.push_back({TBookPageKind::Puzzle, i, 1});
        puzzlePage_[static_cast<std::size_t>(i)] = PageCount();
    }
    // The solutions open on a right-hand page.
    if ((PageCount() + 1) % 2 == 0) pages_.push_back({TBookPageKind::Blank});
    solutionsPage_ = PageCount() + 1;
    for (int first = 0; first < n; first += answersPerPage_)
        pages_.push_back({TBookPageKind::Answers, first, std::min(answersPerPage_, n - first)});
    if (PageCount() % 2 == 1) pages_.push_back({TBookPageKind::Blank});
}

bool TBook::LayOut(TReport& report) {
    if (!FindTrim(options_.Trim)) {
        report.Add(MessageKind::Error, QStringLiteral("Unknown trim size \"%1\"; use %2.").arg(options_.Trim, TrimNames()));
        return false;
    }
    if (puzzles_.empty()) {
        report.Add(MessageKind::Error, QStringLiteral("A book needs at least one puzzle."));
        return false;
    }
    if (options_.AnswersPerPage < 0 || options_.AnswersPerPage > MaxAnswersPerPage) {
        report.Add(MessageKind::Error, QStringLiteral("Answers per page must be 1 to 9."));
        return false;
    }
    const int wanted = options_.AnswersPerPage > 0 ? options_.AnswersPerPage
                       : options_.LargePrint        ? std::max(1, trim_.AnswersPerPage / 2)
                                                    : trim_.AnswersPerPage;
    // The gutter follows the page count and the page count the answers that fit beside the
    // gutter; a second round settles it.
    gutter_ = GutterFor(static_cast<int>(puzzles_.size()) + 4);
    for (int round = 0; round < 4; ++round) {
        answersPerPage_ = FitAnswers(wanted);
        Plan();
        const double g = GutterFor(PageCount());
        if (g == gutter_) break;
        gutter_ = g;
    }
    if (answersPerPage_ < wanted && options_.AnswersPerPage > 0)
        report.Add(MessageKind::Warning,
                   QStringLiteral("%1 answers do not fit on a page at %2 pt; the book has %3 per page.")
                       .arg(wanted)
                       .arg(MinTextPoints())
                       .arg(answersPerPage_));
    return FitPuzzles(report);
}

std::vector<TInchRect> TBook::AnswerSlots(const TInchRect& body, int count, int perPage) {
    const auto [across, down] = SlotShape(perPage);
    const double w = body.Width() / across;
    const double h = body.Height() / down;
    std::vector<TInchRect> boxes;
    for (int k = 0; k < count; ++k) {
        const int c = k % across;
        const int r = k / across;
        boxes.push_back(TInchRect{body.Left + c * w, body.Top + r * h, body.Left + (c + 1) * w, body.Top + (r + 1) * h}.Inset(0.08));
    }
    return boxes;
}

TBook::TAnswerFit TBook::FitAnswer(int index, const TInchRect& slot) const {
    const bool large = options_.LargePrint;
    TAnswerFit fit;
    fit.LabelHeight = ReferenceTextHeight(Face(LabelPoints(large), true)) + 0.06;
    if (const QString message = HiddenMessageOf(index); !message.isEmpty()) {
        const TCanvasFont note = Face(NotePoints(large));
        fit.Message = WrapLines({QStringLiteral("Hidden message: ") + message}, note, slot.Width());
        fit.MessageHeight = fit.Message.size() * ReferenceTextHeight(note) + 0.06;
    }
    const TWordSearch& ws = puzzles_[static_cast<std::size_t>(index)].Grid();
    const double w = slot.Width() - 0.04;
    const double h = slot.Height() - fit.LabelHeight - fit.MessageHeight - 0.04;
    const double cell = std::min(h / std::max(ws.ActualRows, 1), w / std::max(ws.ActualColumns, 1));
    fit.GridPoints = std::min(static_cast<int>(std::floor(cell * 72.0 / 1.8)), large ? 28 : 14);
    return fit;
}

int TBook::FitAnswers(int wanted) const {
    const TInchRect body = Body(1);
    int n = std::clamp(wanted, 1, MaxAnswersPerPage);
    for (; n > 1; --n) {
        const TInchRect slot = AnswerSlots(body, 1, n).front();
        bool all = true;
        for (int i = 0; i < static_cast<int>(puzzles_.size()) && all; ++i) all = FitAnswer(i, slot).GridPoints >= MinTextPoints();
        if (all) break;
    }
    return n;
}

namespace {

double WordListWidest(const TPuzzle& p) {
    const TWordSearch& ws = p.Grid();
    const TCanvasFont font{p.Format.WordlistFont, p.Format.WordlistFontSize};
    double widest = 0.0;
    for (int k = 1; k <= ws.PlacedWordCount(); ++k)
        widest = std::max(widest, ReferenceTextWidth(font, FromWide(ws.PlacedListedText(k, p.Type.CustomClues))));
    return widest;
}

// The word list's height at its font in the body width, for the grid to leave it.
double WordListHeight(const TPuzzle& p, double width) {
    const int n = p.Grid().PlacedWordCount();
    if (n <= 0) return 0.0;
    const TCanvasFont font{p.Format.WordlistFont, p.Format.WordlistFontSize};
    const double widest = WordListWidest(p);
    const int columns = WordListColumns(n, p.Format.RequestedClueColumns, WordListFitColumns(width, widest));
    const int rows = (n + columns - 1) / columns;
    return rows * ReferenceTextHeight(font) * 1.15;
}

}  // namespace

bool TBook::FitPuzzles(TReport& report) {
    const bool large = options_.LargePrint;
    const int least = MinTextPoints();
    pagePuzzles_.clear();
    reserve_.clear();
    unfitted_.clear();
    for (int i = 0; i < static_cast<int>(puzzles_.size()); ++i) {
        TPuzzle p = puzzles_[static_cast<std::size_t>(i)];
        TPageFormat& f = p.Format;
        f.MarginWidth = 0.0;
        f.BorderIndex = 0;
        for (TPageElement e : AllPageElements)
            if (f.FontSize(e) < least) f.SetFontSize(e, least);
        if (large) {
            // Told apart by shape: loops in black, never a tint.
            f.SolutionStyle = 0;
            f.SolutionColor = 0;
        } else if (f.SolutionStyle == 2) {
            f.SolutionStyle = 0;  // a marker tint prints as a grey smear
        }
        const TInchRect body = Body(PuzzlePage(i));
        // The title shrinks to the page width, never below the least size.
        f.TitleFontSize = std::clamp(f.TitleFontSize, least, large ? 28 : 24);
        for (const QString& line : UsedLines(p.TitleLines))
            while (f.TitleFontSize > least && ReferenceTextWidth({f.TitleFont, f.TitleFontSize}, line) > body.Width())
                --f.TitleFontSize;

        TPuzzleDocument doc(p);
        PrinterPageMetrics m;
        m.PageWidth = m.PrintableWidth = body.Width();
        m.PageHeight = m.PrintableHeight = body.Height();
        m.PrintableOffsetX = m.PrintableOffsetY = 0.0;
        doc.SetPrinterMetrics(m);
        const int rows = p.Grid().ActualRows;
        const auto fitGrid = [&] {
            const double list = WordListHeight(p, body.Width());
            for (int g = large ? 28 : 20; g >= least; --g) {
                f.GridFontSize = g;
                const double cell = 1.8 * g / 72.0;
                doc.SetWordListReserve(list + cell + doc.ElementSpacing() + 0.02);
                doc.LayOut();
                if (doc.GridRect().Left >= -Epsilon && doc.GridRect().Right <= body.Width() + Epsilon &&
                    doc.GridRect().Height() >= rows * cell - Epsilon &&
                    (!doc.HasWordList() ||
                     (doc.WordList().FontSize >= least && doc.WordListBox().Bottom <= body.Height() + Epsilon)))
                    return true;
            }
            return false;
        };
        bool fits = fitGrid();
        // A list in one long column leaves the grid little room; as many columns as fit.
        if (!fits && f.RequestedClueColumns == 0) {
            f.RequestedClueColumns = std::min(9, WordListFitColumns(body.Width(), WordListWidest(p)));
            fits = fitGrid();
            if (!fits) f.RequestedClueColumns = 0;
        }
        const double list = WordListHeight(p, body.Width());
        if (!fits) {
            f.GridFontSize = least;
            unfitted_.push_back(i);
            report.Add(MessageKind::Warning,
                       QStringLiteral("%1 (%2 x %3) does not fit a %4 page in %5 pt letters; use fewer words or a "
                                      "larger trim.")
                           .arg(Heading(i))
                           .arg(p.Grid().ActualColumns)
                           .arg(rows)
                           .arg(QLatin1StringView(trim_.Name.data(), trim_.Name.size()))
                           .arg(least));
        }
        f.UpdateHtmlCompanions();
        pagePuzzles_.push_back(std::move(p));
        reserve_.push_back(list + 1.8 * f.GridFontSize / 72.0 + 0.35);
    }
    return true;
}

// --- Drawing ---

void TBook::DrawHeading(TAsCanvas& canvas, const TPageGeometry& g, const QString& text) const {
    Use(canvas, Face(HeadingPoints(options_.LargePrint), true));
    TextCentred(canvas, g.Live.CentreX(), g.Live.Top, text);
}

void TBook::DrawFolio(TAsCanvas& canvas, const TPageGeometry& g, int page) const {
    const TCanvasFont font = Face(FolioPoints(options_.LargePrint));
    Use(canvas, font);
    TextCentred(canvas, g.Live.CentreX(), g.Live.Bottom - ReferenceTextHeight(font), QString::number(page));
}

void TBook::DrawTitlePage(TAsCanvas& canvas, const TPageGeometry& g) const {
    const bool large = options_.LargePrint;
    double y = g.Live.Top + g.Live.Height() * 0.28;
    const auto block = [&](const QString& text, TCanvasFont font, double after) {
        if (text.trimmed().isEmpty()) return;
        Use(canvas, font);
        for (const QString& line : WrapLines({text.trimmed()}, font, g.Live.Width())) {
            TextCentred(canvas, g.Live.CentreX(), y, line);
            y += ReferenceTextHeight(font);
        }
        y += after;
    };
    const QString title = options_.Title.trimmed().isEmpty() ? QStringLiteral("Word Search Puzzles") : options_.Title;
    block(title, Face(large ? 40 : 32, true), 0.3);
    block(options_.Subtitle, Face(large ? 24 : 18), 0.8);
    block(options_.Author, Face(large ? 20 : 14), 0.0);
}

void TBook::DrawCopyright(TAsCanvas& canvas, const TPageGeometry& g) const {
    const TCanvasFont font = Face(NotePoints(options_.LargePrint));
    Use(canvas, font);
    const QString who = options_.Author.trimmed().isEmpty() ? QString() : u' ' + options_.Author.trimmed();
    const QStringList lines = WrapLines({QStringLiteral("Copyright \u00A9 %1%2. All rights reserved.").arg(options_.Year).arg(who),
                                         QStringLiteral("Puzzles made with Vorlix.")},
                                        font, g.Live.Width());
    const double h = ReferenceTextHeight(font);
    double y = g.Live.Bottom - (lines.size() + 3) * h;
    for (const QString& line : lines) {
        canvas.TextOut(g.Live.Left, y, line);
        y += h;
    }
}

void TBook::DrawContents(TAsCanvas& canvas, const TBookPage& p, int page) const {
    const TPageGeometry g = Geometry(page);
    DrawHeading(canvas, g, QStringLiteral("Contents"));
    const TInchRect body = Body(page);
    const TCanvasFont font = Face(ContentsPoints(options_.LargePrint));
    Use(canvas, font);
    const double line = 1.5 * ReferenceTextHeight(font);
    const int n = static_cast<int>(puzzles_.size());
    for (int k = 0; k < p.Count; ++k) {
        const int entry = p.First + k;
        const QString number = QString::number(entry < n ? PuzzlePage(entry) : solutionsPage_);
        QString text = QStringLiteral("Solutions");
        if (entry < n) {
            text = Heading(entry);
            if (const QString title = PuzzleTitle(entry); !title.isEmpty()) text += QStringLiteral("  ") + title;
        }
        const double numberWidth = ReferenceTextWidth(font, number);
        const double y = body.Top + k * line;
        canvas.TextOut(body.Left, y, Elided(font, text, body.Width() - numberWidth - 0.3));
        canvas.TextOut(body.Right - numberWidth, y, number);
    }
}

void TBook::DrawPuzzle(TAsCanvas& canvas, int index, int page) const {
    DrawHeading(canvas, Geometry(page), Heading(index));
    const TInchRect body = Body(page);
    TPuzzleDocument doc(pagePuzzles_[static_cast<std::size_t>(index)]);
    PrinterPageMetrics m;
    m.PageWidth = m.PrintableWidth = body.Width();
    m.PageHeight = m.PrintableHeight = body.Height();
    m.PrintableOffsetX = m.PrintableOffsetY = 0.0;
    doc.SetPrinterMetrics(m);
    doc.SetWordListReserve(reserve_[static_cast<std::size_t>(index)]);
    doc.LayOut();
    TOriginShift shift(canvas, {body.Left, body.Top});
    canvas.Brush = {Qt::white, TBrushStyle::Solid};
    canvas.Pen.Mode = TPenMode::Copy;
    doc.DrawWorksheet(canvas);
    doc.DrawTitle(canvas);
    doc.DrawInstructions(canvas);
    doc.DrawGridLetters(canvas);
    doc.DrawWordList(canvas);
}

void TBook::DrawAnswers(TAsCanvas& canvas, const TBookPage& p, int page) const {
    const TPageGeometry g = Geometry(page);
    DrawHeading(canvas, g, QStringLiteral("Solutions"));
    const bool large = options_.LargePrint;
    const std::vector<TInchRect> boxes = AnswerSlots(Body(page), p.Count, answersPerPage_);
    for (int k = 0; k < p.Count; ++k) {
        const int i = p.First + k;
        const TInchRect& slot = boxes[static_cast<std::size_t>(k)];
        const TAnswerFit fit = FitAnswer(i, slot);
        Use(canvas, Face(LabelPoints(large), true));
        TextCentred(canvas, slot.CentreX(), slot.Top,
                    Heading(i) + QStringLiteral(" (page ") + QString::number(PuzzlePage(i)) + u')');

        TPuzzle answer = pagePuzzles_[static_cast<std::size_t>(i)];
        answer.TitleLines.clear();
        answer.WorksheetLeftLines.clear();
        answer.WorksheetRightLines.clear();
        answer.InstructionsIncluded = false;
        answer.CreditsLine.clear();
        answer.Format.GridFontSize = std::max(fit.GridPoints, MinTextPoints());
        answer.Format.GridHPosition = 1;
        const double gridTop = slot.Top + fit.LabelHeight;
        TPuzzleDocument doc(answer);
        PrinterPageMetrics m;
        m.PageWidth = m.PrintableWidth = slot.Width();
        m.PageHeight = m.PrintableHeight = slot.Height() + 4.0;  // the list reserve never cuts the grid
        m.PrintableOffsetX = m.PrintableOffsetY = 0.0;
        doc.SetPrinterMetrics(m);
        doc.LayOut();
        {
            TOriginShift shift(canvas, {slot.Left, gridTop});
            canvas.Brush = {Qt::white, TBrushStyle::Solid};
            canvas.Pen.Mode = TPenMode::Copy;
            doc.DrawSolution(canvas);
        }
        const TCanvasFont note = Face(NotePoints(large));
        Use(canvas, note);
        double y = gridTop + doc.GridRect().Bottom + 0.06;
        for (const QString& line : fit.Message) {
            TextCentred(canvas, slot.CentreX(), y, line);
            y += ReferenceTextHeight(note);
        }
    }
}

void TBook::DrawPage(TAsCanvas& canvas, int page) const {
    if (page < 1 || page > PageCount()) return;
    const TBookPage& p = pages_[static_cast<std::size_t>(page - 1)];
    const TPageGeometry g = Geometry(page);
    canvas.Brush = {Qt::white, TBrushStyle::Clear};
    switch (p.Kind) {
        case TBookPageKind::Title: DrawTitlePage(canvas, g); break;
        case TBookPageKind::Copyright: DrawCopyright(canvas, g); break;
        case TBookPageKind::Contents: DrawContents(canvas, p, page); break;
        case TBookPageKind::Puzzle: DrawPuzzle(canvas, p.First, page); break;
        case TBookPageKind::Answers: DrawAnswers(canvas, p, page); break;
        case TBookPageKind::Blank: break;
    }
    if (page > 1) DrawFolio(canvas, g, page);
}

// --- Output ---

TBookPdfResult WriteBookPdf(const TBook& book, QIODevice& out, const TBookProgress& progress) {
    TBookPdfResult result;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("Vorlix"));
        writer.setTitle(book.Options().Title);
        const QPageSize size(QSizeF(book.PageWidth() * 72.0, book.PageHeight() * 72.0), QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        TBookCanvas canvas(TCanvasKind::Printer, &writer, PdfResolution);
        if (!canvas.IsActive()) {
            result.Error = QStringLiteral("The PDF could not be started.");
            return result;
        }
        for (int page = 1; page <= book.PageCount(); ++page) {
            if (progress && !progress(page, book.PageCount())) {
                result.Cancelled = true;
                return result;
            }
            if (page > 1 && !writer.newPage()) {
                result.Error = QStringLiteral("The PDF could not take page %1.").arg(page);
                return result;
            }
            book.DrawPage(canvas, page);
            result.Ink.push_back(canvas.TakeInk());
        }
        canvas.End();
    }
    if (out.write(bytes) != bytes.size()) {
        result.Error = QStringLiteral("The PDF could not be written: ") + out.errorString();
        result.Ink.clear();
        return result;
    }
    result.Ok = true;
    return result;
}

TBookPdfResult SaveBookPdf(const TBook& book, const QString& fileName, QByteArray* pdf, const TBookProgress& progress) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TBookPdfResult result = WriteBookPdf(book, buffer, progress);
    if (!result.Ok) return result;
    if (const TWriteResult written = WriteFileAtomically(fileName, bytes); !written) {
        result.Ok = false;
        result.Error = QStringLiteral("Could not write ") + DisplayPath(fileName) + u'\n' + WriteFailureDetail(fileName, written);
        return result;
    }
    if (pdf) *pdf = std::move(bytes);
    return result;
}

QImage RenderBookPage(const TBook& book, int page, double pixelsPerInch, TPageInk* ink) {
    QImage image(std::max(1, qRound(book.PageWidth() * pixelsPerInch)), std::max(1, qRound(book.PageHeight() * pixelsPerInch)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    TBookCanvas canvas(TCanvasKind::Preview, &image, pixelsPerInch);
    book.DrawPage(canvas, page);
    canvas.End();
    if (ink) *ink = canvas.TakeInk();
    return image;
}

}  // namespace vorlix
