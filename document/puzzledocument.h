// The page composition of the current puzzle: every element's rectangle in inches, and
// the drawing of page 1 (puzzle and word list) and page 2 (solution) on a TAsCanvas.
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "ascanvas.h"

namespace vorlix {

struct TPuzzle;

// The crowded-grid message, shown once per built puzzle.
QString CrowdedWarningText();

// The number of the last line holding something other than blanks (0 when none).
int UsedLineCount(const QStringList& lines);

// The lines broken at blanks so that each is at most width inches wide in font, measured by
// ReferenceTextWidth (the same on every device); a word wider than that is broken between
// characters. A line that fits stays as typed, a blank one too; the blanks at a break go.
QStringList WrapLines(const QStringList& lines, const TCanvasFont& font, double width);

// Word-list columns for n placed words: the requested 1..9 unchanged, or with 0
// (Automatic) one column per ten words (11 still one), at most 9 and at most fit.
int WordListColumns(int placedWords, int requestedColumns, int fitColumns);
// Columns of width maxWidth (plus 0.2 inch) that fit into availableWidth; at least 1.
int WordListFitColumns(double availableWidth, double maxWidth);

// The word list as the last arrangement placed it.
struct TWordListArrangement {
    struct Item {
        QString Text;
        int Column = 0;  // 1-based
        int Row = 0;     // 1-based
        double X = 0.0;  // top-left corner, inches
        double Y = 0.0;
        double Width = 0.0;
    };
    int Fit = 0;      // columns that fit
    int Columns = 0;  // columns used
    int Rows = 0;     // rows per column
    double MaxWidth = 0.0;
    double ColumnWidth = 0.0;
    double Gap = 0.0;
    double BlockLeft = 0.0;
    double LineHeight = 0.0;
    int FontSize = 0;  // points, after shrinking
    bool RightToLeft = false;  // columns run from the right: most words read right to left
    std::vector<Item> Items;
};

// Which elements a picture export covers.
struct TPictureElements {
    bool Worksheet = false;
    bool Title = false;
    bool Instructions = false;
    bool Grid = false;
    bool WordList = false;
    bool Solution = false;
};

// The picture area's starting box; a top still at 11.0 afterwards means nothing was chosen.
constexpr TInchRect EmptyPictureArea{11.0, 11.0, 0.0, 0.0};

class TPuzzleDocument {
public:
    // The document reads the puzzle whenever it lays out or draws; the puzzle outlives the
    // document (or the next SetPuzzle).
    explicit TPuzzleDocument(const TPuzzle& puzzle, int wordListPage = 1);
    virtual ~TPuzzleDocument() = default;

    const TPuzzle& Puzzle() const { return *puzzle_; }
    void SetPuzzle(const TPuzzle& puzzle) { puzzle_ = &puzzle; }

    // The printer geometry the layout uses; the printer refresh sets it.
    void SetPrinterMetrics(const PrinterPageMetrics& metrics) { metrics_ = metrics; }
    const PrinterPageMetrics& PrinterMetrics() const { return metrics_; }

    // SolutionPage follows as WordListPage + 1.
    void SetWordListPage(int n);
    int WordListPage() const { return wordListPage_; }
    int SolutionPage() const { return solutionPage_; }

    // How many different forms are being printed; above 1 the pages carry "Form n".
    void SetFormCount(int forms) { formCount_ = forms; }
    int FormCount() const { return formCount_; }

    // The height LayOut keeps below the grid for the word list (3 inches unless set).
    void SetWordListReserve(double inches) { listReserve_ = inches; }
    // Recomputes every rectangle from the metrics, page format, texts and grid size.
    void LayOut();
    // Draws one page; formIndex is the 0-based form being printed.
    void DrawPage(TAsCanvas& canvas, int page, int formIndex = 0);

    // --- Drawing steps, also used one by one by the picture export. Each leaves the
    // canvas's brush style as it found it.
    void DrawFrame(TAsCanvas& canvas);
    void DrawWorksheet(TAsCanvas& canvas);
    void DrawTitle(TAsCanvas& canvas);
    void DrawInstructions(TAsCanvas& canvas);  // nothing when instructions are not included
    void DrawGridLetters(TAsCanvas& canvas);   // with the crowded check and the credits line
    void DrawWordList(TAsCanvas& canvas);
    void DrawSolution(TAsCanvas& canvas);
    void DrawFormMark(TAsCanvas& canvas, int formIndex);

    // The cells of the last LayOut are too small for the grid's font.
    bool GridCrowded() const;

    // --- Geometry of the last LayOut.
    TInchRect PageRect() const { return pageRect_; }
    TInchRect ContentRect() const { return contentRect_; }
    TInchRect FrameRect() const { return frameRect_; }
    TInchRect WorksheetRect() const { return worksheetRect_; }
    TInchRect TitleRect() const { return titleRect_; }
    TInchRect InstructionsRect() const { return instructionsRect_; }
    TInchRect GridRect() const { return gridRect_; }
    TInchRect WordListRect() const { return wordListRect_; }
    TInchRect SolutionGridRect() const { return solutionGridRect_; }
    double CellWidth() const { return cellWidth_; }
    double CellHeight() const { return cellHeight_; }
    double ElementSpacing() const { return elementSpacing_; }
    double CellAspect() const { return cellAspect_; }
    double CellCentreX(int column) const;
    double CellCentreY(int row) const;
    // False for the 1 x 1 grid that stands for "no puzzle yet".
    bool HasPuzzle() const;
    bool InstructionsIncluded() const;
    // The used instructions lines wrapped to the content width: what the instructions
    // rectangle counts and DrawInstructions draws (empty when not included).
    const QStringList& InstructionsLines() const { return instructionsLines_; }

    // --- What the page's texts cover, measured by LayOut the same for every device (for the
    // picture export's cropping).
    TInchRect TitleBox() const { return titleBox_; }
    TInchRect WordListBox() const { return wordListBox_; }
    bool HasWordList() const { return !wordList_.Items.empty(); }
    // The title's used lines: text and top-left corner.
    struct TPlacedLine {
        QString Text;
        double X = 0.0;
        double Y = 0.0;
    };
    const std::vector<TPlacedLine>& TitleLines() const { return titleLines_; }
    const TWordListArrangement& WordList() const { return wordList_; }

    // Measures and places the word list in the word-list rectangle (no drawing).
    TWordListArrangement ArrangeWordList() const;

    // The union of the chosen elements' areas, from EmptyPictureArea.
    TInchRect PictureArea(const TPictureElements& chosen, bool solution) const;
    // Draws the chosen elements in the export's order (after the canvas was fitted).
    void DrawPictureElements(TAsCanvas& canvas, const TPictureElements& chosen, bool solution);

private:
    void DrawLetters(TAsCanvas& canvas, bool solution);
    void DrawSolutionMarks(TAsCanvas& canvas);

    const TPuzzle* puzzle_;
    PrinterPageMetrics metrics_;
    int wordListPage_ = 1;
    int solutionPage_ = 2;
    int formCount_ = 1;
    double listReserve_ = 3.0;

    TInchRect pageRect_;
    TInchRect contentRect_;
    TInchRect frameRect_;
    TInchRect worksheetRect_;
    TInchRect titleRect_;
    TInchRect instructionsRect_;
    TInchRect gridRect_;
    TInchRect wordListRect_;
    TInchRect solutionGridRect_;
    QStringList instructionsLines_;
    double cellWidth_ = 0.0;
    double cellHeight_ = 0.0;
    double elementSpacing_ = 0.33;
    double cellAspect_ = 1.0;

    void PlaceTitle();
    void PlaceWordList();

    TInchRect titleBox_;
    TInchRect wordListBox_;
    std::vector<TPlacedLine> titleLines_;
    TWordListArrangement wordList_;
};

}  // namespace vorlix
