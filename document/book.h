// A book of puzzles for print: trims, bleed and gutter, the page plan (title, copyright,
// contents, one puzzle per page, solutions) and the drawing of every page through the
// puzzle document onto the one canvas.
#pragma once

#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "ascanvas.h"
#include "puzzle.h"
#include "report.h"

class QIODevice;

namespace vorlix {

struct TTrim {
    std::string_view Name;
    double Width = 0.0;  // inches
    double Height = 0.0;
    int AnswersPerPage = 4;  // the default, normal print
};
inline constexpr std::array<TTrim, 7> Trims = {{
    {"6x9", 6.0, 9.0, 4},
    {"7x10", 7.0, 10.0, 4},
    {"8x10", 8.0, 10.0, 6},
    {"8.25x11", 8.25, 11.0, 6},
    {"8.5x11", 8.5, 11.0, 6},
    {"A4", 210.0 / 25.4, 297.0 / 25.4, 6},
    {"letter", 8.5, 11.0, 6},
}};
inline constexpr std::string_view DefaultTrimName = "8.5x11";
// Without regard to case or blanks; null for an unknown name.
const TTrim* FindTrim(const QString& name);
// "6x9, 7x10, ... or letter".
QString TrimNames();

constexpr double BleedInches = 0.125;
constexpr double MinEdgeMargin = 0.25;  // outside, top and bottom, from the trim edge
constexpr int MinPrintPoints = 7;
constexpr int LargePrintPoints = 16;
constexpr double MinLinePoints = 0.5;
constexpr int MinBookPages = 24;  // what print services accept at the least
constexpr int MaxAnswersPerPage = 9;

// The inside margin print services ask for a book of that many pages.
double GutterFor(int pageCount);

struct TBookOptions {
    QString Trim = QString::fromLatin1(DefaultTrimName.data(), DefaultTrimName.size());
    bool Bleed = false;
    bool LargePrint = false;
    QString Title;
    QString Subtitle;
    QString Author;
    bool Contents = true;
    int AnswersPerPage = 0;  // 0: the trim's default
    int Year = 2026;         // of the copyright line; the callers give this year's
};

enum class TBookPageKind { Title, Copyright, Contents, Puzzle, Answers, Blank };

struct TBookPage {
    TBookPageKind Kind = TBookPageKind::Blank;
    int First = 0;  // Puzzle: the puzzle's index; Contents and Answers: the first puzzle listed
    int Count = 0;  // Contents and Answers: how many puzzles
};

// Where things lie on one page, in inches from its top-left corner.
struct TPageGeometry {
    TInchRect Page;
    TInchRect Trim;
    TInchRect Safe;  // the trim less the least margins: no ink outside it
    TInchRect Live;  // where the book puts its text
    bool RightHand = true;
};

// What a page put on paper, for the preflight.
struct TPageInk {
    int SmallestText = 0;  // points; 0 when no text
    QStringList Texts;     // in drawing order
};

// A canvas that keeps the book's rules every device must keep: no line under the least
// width; and notes the smallest text of the page.
class TBookCanvas : public TAsCanvas {
public:
    TBookCanvas(TCanvasKind kind, QPaintDevice* device, double resolution);
    void TextOut(double x, double y, const QString& text) override;
    void LineTo(double x, double y) override;
    void Rectangle(const TInchRect& r) override;
    void Ellipse(const TInchRect& r) override;
    void Arc(const TInchRect& bounds, QPointF start, QPointF end) override;
    TPageInk TakeInk();

private:
    void KeepLineWidth();
    TPageInk ink_;
};

class TBook {
public:
    TBook(std::vector<TPuzzle> puzzles, TBookOptions options);

    // Plans the pages and fits every puzzle to the trim; what had to give goes into report.
    // False (with the reason) when the book cannot be made as asked.
    bool LayOut(TReport& report);

    const TBookOptions& Options() const { return options_; }
    const std::vector<TPuzzle>& Puzzles() const { return puzzles_; }
    const std::vector<TBookPage>& Pages() const { return pages_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int AnswersPerPage() const { return answersPerPage_; }
    // The puzzles (0-based) whose grid did not fit their page at the least text size.
    const std::vector<int>& Unfitted() const { return unfitted_; }
    double Gutter() const { return gutter_; }
    int MinTextPoints() const { return options_.LargePrint ? LargePrintPoints : MinPrintPoints; }
    double PageWidth() const;
    double PageHeight() const;
    // 1-based page numbers.
    TPageGeometry Geometry(int page) const;
    int PuzzlePage(int index) const;  // 0-based index
    int SolutionsPage() const;
    // "Puzzle 3", and the puzzle's own title (its first title line).
    static QString Heading(int index);
    QString PuzzleTitle(int index) const;
    // The hidden message, or empty.
    QString HiddenMessageOf(int index) const;

    // Draws page on canvas with the page's top-left corner at the canvas origin.
    void DrawPage(TAsCanvas& canvas, int page) const;

private:
    void Plan();
    bool FitPuzzles(TReport& report);
    int FitAnswers(int wanted) const;
    TInchRect Body(int page) const;
    void DrawHeading(TAsCanvas& canvas, const TPageGeometry& g, const QString& text) const;
    void DrawFolio(TAsCanvas& canvas, const TPageGeometry& g, int page) const;
    void DrawTitlePage(TAsCanvas& canvas, const TPageGeometry& g) const;
    void DrawCopyright(TAsCanvas& canvas, const TPageGeometry& g) const;
    void DrawContents(TAsCanvas& canvas, const TBookPage& p, int page) const;
    void DrawPuzzle(TAsCanvas& canvas, int index, int page) const;
    void DrawAnswers(TAsCanvas& canvas, const TBookPage& p, int page) const;
    // One answer in its slot: label, grid, hidden message.
    struct TAnswerFit {
        int GridPoints = 0;
        double LabelHeight = 0.0;
        QStringList Message;
        double MessageHeight = 0.0;
    };
    TAnswerFit FitAnswer(int index, const TInchRect& slot) const;
    // Slots of a page holding perPage answers, the first count of them.
    static std::vector<TInchRect> AnswerSlots(const TInchRect& body, int count, int perPage);
    int ContentsLinesPerPage() const;

    std::vector<TPuzzle> puzzles_;   // as given
    std::vector<TPuzzle> pagePuzzles_;  // fitted to the page
    TBookOptions options_;
    TTrim trim_;
    std::vector<TBookPage> pages_;
    std::vector<int> puzzlePage_;
    std::vector<double> reserve_;
    std::vector<int> unfitted_;  // the word list's room on each puzzle page
    int solutionsPage_ = 0;
    int answersPerPage_ = 4;
    double gutter_ = 0.375;
};

// Progress while pages are drawn: (page, pages); false stops the run.
using TBookProgress = std::function<bool(int page, int pages)>;

struct TBookPdfResult {
    bool Ok = false;
    bool Cancelled = false;
    QString Error;
    std::vector<TPageInk> Ink;  // per page
};

// Writes the book as a PDF into out (open for writing).
TBookPdfResult WriteBookPdf(const TBook& book, QIODevice& out, const TBookProgress& progress = {});
// The book drawn into the file, which is replaced only when everything went well; pdf gets
// the bytes written (for the preflight).
TBookPdfResult SaveBookPdf(const TBook& book, const QString& fileName, QByteArray* pdf = nullptr,
                           const TBookProgress& progress = {});
// One page as a picture at that resolution (the preview and the preflight's ink scan).
QImage RenderBookPage(const TBook& book, int page, double pixelsPerInch, TPageInk* ink = nullptr);

}  // namespace vorlix
