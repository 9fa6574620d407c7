// The guided tour window: illustrated steps, and the animation of a puzzle being made,
// both drawn live from the tour's own little puzzle.
#include "tourfm.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "ascanvas.h"
#include "desktopfit.h"
#include "logo.h"
#include "messages.h"
#include "preferences.h"
#include "previewbox.h"
#include "puzzledocument.h"
#include "puzzlebuilder.h"
#include "puzzledefaults.h"
#include "puzzlemodel.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

constexpr int TickMs = 40;
constexpr std::uint32_t TourSeed = 20240611u;  // the same pretty puzzle every time
constexpr int TourGridSize = 9;

// Animation timing, in ticks.
constexpr double WordGap = 9.0;      // between the starts of two words
constexpr double LetterGap = 1.5;    // between the letters of one word
constexpr double FallTicks = 9.0;    // one letter's fall
constexpr double MessageGap = 3.0;   // between two hidden-message letters
constexpr double FillerTicks = 12.0; // the filler fades in

const std::array<QColor, 8> WordColours = {QColor(0x1F, 0x77, 0xB4), QColor(0x2C, 0xA0, 0x2C),
                                           QColor(0x94, 0x67, 0xBD), QColor(0xFF, 0x7F, 0x0E),
                                           QColor(0x17, 0xBE, 0xCF), QColor(0x8C, 0x56, 0x4B),
                                           QColor(0xE3, 0x77, 0xC2), QColor(0xBC, 0xBD, 0x22)};

enum class TScene { Typing, Options, Create, Finished, Output, Animation };

struct TStepText {
    TScene Scene;
    const char* Heading;
    const char* Text;
};

constexpr std::array<TStepText, 5> IntroSteps = {{
    {TScene::Typing, "1. Type your words",
     "On the Design page, type one word on each line, or import a list from a file. For a clue "
     "puzzle, put the clue after a slash: word/clue."},
    {TScene::Options, "2. Choose options",
     "Pick the puzzle type, the directions the words may run, how words may share letters, "
     "capitalization, worksheet lines and instructions. Each option page has a Continue button."},
    {TScene::Create, "3. Create Puzzle Now",
     "Click \"Create Puzzle Now\": the grid is built at once, hiding every word that fits and "
     "filling the rest with letters."},
    {TScene::Finished, "4. The finished page",
     "Look at the puzzle, its solution and the word list. Rescramble for a new arrangement, "
     "rotate or flip the grid, or change its appearance."},
    {TScene::Output, "5. Print, export and save",
     "Print copies with or without their solutions, export a web page, text or a picture, and "
     "save the puzzle to open it again later."},
}};

// One placed word of the tour puzzle, its cells ordered from the first letter.
struct TAnimatedWord {
    std::vector<QPoint> Cells;
    QColor Colour;
};

double Clamp01(double x) { return std::clamp(x, 0.0, 1.0); }

}  // namespace

// --- The tour's own puzzle ---------------------------------------------------------------

TTourPuzzle::TTourPuzzle() : puzzle_(NewPuzzle(TPreferences())) {
    puzzle_.WorksheetLeftLines.clear();
    puzzle_.WorksheetRightLines.clear();
    puzzle_.TitleLines = {QStringLiteral("Quick Tour")};
    puzzle_.WordLines = Words();
    puzzle_.Type.HiddenMessage = true;
    puzzle_.HiddenMessageLines = {HiddenMessage()};
    puzzle_.RequestedColumns = TourGridSize;
    puzzle_.RequestedRows = TourGridSize;
    puzzle_.Format.SetFontSize(TPageElement::Title, 28);
    TPuzzleBuilder builder;
    builder.SetSeed(TourSeed);
    puzzle_.Built = builder.Build(puzzle_);
    document_ = std::make_unique<TPuzzleDocument>(puzzle_);
    document_->LayOut();
}

TTourPuzzle::~TTourPuzzle() = default;

QStringList TTourPuzzle::Words() {
    return {QStringLiteral("PUZZLE"), QStringLiteral("SEARCH"), QStringLiteral("LETTER"),
            QStringLiteral("HIDDEN"), QStringLiteral("GRID"),   QStringLiteral("WORD"),
            QStringLiteral("FIND"),   QStringLiteral("LOOP"),   QStringLiteral("CLUE")};
}

QString TTourPuzzle::HiddenMessage() { return QStringLiteral("WELL DONE"); }

// --- The live picture --------------------------------------------------------------------

class TTourPicture : public QWidget {
public:
    TTourPicture(const TTourPuzzle& puzzle, QWidget* parent) : QWidget(parent), puzzle_(&puzzle) {
        setObjectName(QStringLiteral("Tour_Picture"));
        setAccessibleName(QStringLiteral("Tour picture"));
        setMinimumSize(460, 280);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        CollectCells();
    }

    void SetScene(TScene scene) {
        scene_ = scene;
        tick_ = 0;
        update();
    }
    TScene Scene() const { return scene_; }
    void Advance() {
        ++tick_;
        update();
    }
    void Restart() {
        tick_ = 0;
        update();
    }
    int Tick() const { return tick_; }
    double AnimationLength() const { return FillerStart() + FillerTicks + 4.0; }
    bool Finished() const { return scene_ == TScene::Animation && tick_ >= AnimationLength(); }

protected:
    void paintEvent(QPaintEvent*) override {
        {
            QPainter bg(this);
            QLinearGradient sky(0, 0, 0, height());
            sky.setColorAt(0.0, QColor(0xF4, 0xF7, 0xFD));
            sky.setColorAt(1.0, QColor(0xDD, 0xE5, 0xF4));
            bg.fillRect(rect(), sky);
        }
        switch (scene_) {
        case TScene::Animation: PaintAnimation(); break;
        case TScene::Typing: PaintTyping(); break;
        case TScene::Options: PaintOptions(); break;
        case TScene::Create: PaintCreate(); break;
        case TScene::Finished: PaintFinished(); break;
        case TScene::Output: PaintOutput(); break;
        }
    }

private:
    // --- The puzzle's cells, read once from the tour engine.
    void CollectCells() {
        const TWordSearch& p = puzzle_->Puzzle().Grid();
        const int placed = p.PlacedWordCount();
        for (int k = 1; k <= placed; ++k) {
            const int w = p.PlacedWordIndex(k);
            const TWordPlacement& at = p.Placements[static_cast<std::size_t>(w)];
            TAnimatedWord word;
            word.Colour = WordColours[static_cast<std::size_t>(k - 1) % WordColours.size()];
            for (int r = 1; r <= p.ActualRows; ++r)
                for (int c = 1; c <= p.ActualColumns; ++c)
                    if (p.WordListIndicies[c][r].find(static_cast<char16_t>(w)) != std::u16string::npos)
                        word.Cells.emplace_back(c, r);
            const auto steps = [&at](const QPoint& q) {
                return std::max(std::abs(q.x() - at.Column), std::abs(q.y() - at.Row));
            };
            std::sort(word.Cells.begin(), word.Cells.end(),
                      [&steps](const QPoint& a, const QPoint& b) { return steps(a) < steps(b); });
            if (!word.Cells.empty()) words_.push_back(word);
        }
        for (int r = 1; r <= p.ActualRows; ++r)
            for (int c = 1; c <= p.ActualColumns; ++c) {
                const std::u16string& list = p.WordListIndicies[c][r];
                if (list == HiddenMessageMarker)
                    messageCells_.emplace_back(c, r);
                else if (list.empty())
                    fillerCells_.emplace_back(c, r);
            }
    }

    double WordStart(std::size_t i) const { return 4.0 + WordGap * static_cast<double>(i); }
    double MessageStart() const {
        double end = 4.0;
        for (std::size_t i = 0; i < words_.size(); ++i)
            end = std::max(end, WordStart(i) + LetterGap * static_cast<double>(words_[i].Cells.size()) + FallTicks);
        return end + 6.0;
    }
    double FillerStart() const {
        return MessageStart() + MessageGap * static_cast<double>(messageCells_.size()) + 8.0;
    }

    QString Letter(const QPoint& cell) const {
        const TPuzzle& puzzle = puzzle_->Puzzle();
        return puzzle.Grid().Grid[cell.x()][cell.y()] == EmptyCell ? QString() : puzzle.CellText(cell.x(), cell.y());
    }

    void DrawLetter(TAsCanvas& canvas, const QPoint& cell, double dy, const QColor& colour, bool bold, int points) {
        const QString letter = Letter(cell);
        if (letter.isEmpty()) return;
        const TPuzzleDocument& doc = puzzle_->Document();
        canvas.Font = TCanvasFont{QStringLiteral("Arial"), points, bold, false, colour};
        const double x = doc.CellCentreX(cell.x()) - canvas.TextWidth(letter) / 2.0;
        const double y = doc.CellCentreY(cell.y()) - canvas.TextHeight(QStringLiteral("X")) / 2.0 + dy;
        canvas.TextOut(x, y, letter);
    }

    // A translucent band from a word's first to its last cell, as the solution's loops.
    void DrawBand(TAsCanvas& canvas, const TAnimatedWord& word, double opacity) {
        if (word.Cells.empty() || opacity <= 0.0) return;
        const TPuzzleDocument& doc = puzzle_->Document();
        const QPoint a = word.Cells.front();
        const QPoint b = word.Cells.back();
        QPainter& p = canvas.Painter();
        p.save();
        QColor c = word.Colour;
        c.setAlphaF(static_cast<float>(0.28 * opacity));
        const double widthPx = doc.CellHeight() * 0.82 * canvas.ResolutionY();
        p.setPen(QPen(c, widthPx, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(canvas.PixelX(doc.CellCentreX(a.x())), canvas.PixelY(doc.CellCentreY(a.y()))),
                   QPointF(canvas.PixelX(doc.CellCentreX(b.x())), canvas.PixelY(doc.CellCentreY(b.y()))));
        p.restore();
    }

    void PaintAnimation() {
        TPuzzleDocument& doc = puzzle_->Document();
        doc.LayOut();
        auto canvas = TAsCanvas::ForPreview(this);
        if (!canvas->IsActive() || width() <= 0 || height() <= 0) return;
        const TInchRect g = doc.GridRect();
        const double ch = doc.CellHeight();
        const TInchRect area{g.Left - ch * 0.4, g.Top - ch * 0.8, g.Right + ch * 0.4, g.Bottom + ch * 1.5};
        canvas->FitRect(area, 1);
        const int points = doc.Puzzle().Format.GridFontSize;
        const double t = tick_;

        // The empty grid: a sheet with faint cell boxes.
        canvas->Pen = TCanvasPen{QColor(0x9A, 0xA4, 0xB8), 0.01};
        canvas->Brush = TCanvasBrush{Qt::white, TBrushStyle::Solid};
        canvas->Rectangle(g);
        canvas->Pen = TCanvasPen{QColor(0xE2, 0xE6, 0xEE), 0.004};
        canvas->Brush.Style = TBrushStyle::Clear;
        const TWordSearch& p = doc.Puzzle().Grid();
        for (int r = 1; r <= p.ActualRows; ++r)
            for (int c = 1; c <= p.ActualColumns; ++c)
                canvas->Rectangle({g.Left + (c - 1) * doc.CellWidth(), g.Top + (r - 1) * ch,
                                   g.Left + c * doc.CellWidth(), g.Top + r * ch});

        // Words fall in one after another, letter by letter, then glow in their band.
        for (std::size_t i = 0; i < words_.size(); ++i) {
            const TAnimatedWord& word = words_[i];
            const double start = WordStart(i);
            const double landed = start + LetterGap * static_cast<double>(word.Cells.size()) + FallTicks;
            DrawBand(*canvas, word, Clamp01((t - landed) / 6.0));
            for (std::size_t k = 0; k < word.Cells.size(); ++k) {
                const double progress = (t - start - LetterGap * static_cast<double>(k)) / FallTicks;
                if (progress < 0.0) continue;
                const QPoint cell = word.Cells[k];
                const double drop = doc.CellCentreY(cell.y()) - area.Top + ch;
                const double fall = Clamp01(progress);
                DrawLetter(*canvas, cell, -drop * (1.0 - fall * fall), word.Colour, true, points);
            }
        }

        // The hidden message appears in the cells the words left free, in reading order.
        const double message = MessageStart();
        for (std::size_t k = 0; k < messageCells_.size(); ++k) {
            const double appear = t - message - MessageGap * static_cast<double>(k);
            if (appear < 0.0) continue;
            const int pop = appear < 3.0 ? 4 : 0;  // each letter pops as it arrives
            DrawLetter(*canvas, messageCells_[k], 0.0, QColor(0xD0, 0x10, 0x20), true, points + pop);
        }

        // Then the filler letters fade in and the puzzle is ready.
        const double filler = Clamp01((t - FillerStart()) / FillerTicks);
        if (filler > 0.0) {
            QColor grey(0x30, 0x30, 0x30);
            grey.setAlphaF(static_cast<float>(filler));
            for (const QPoint& cell : fillerCells_) DrawLetter(*canvas, cell, 0.0, grey, false, points);
        }

        QString caption;
        if (t >= FillerStart())
            caption = QStringLiteral("The puzzle is ready. The leftover letters read: ") + TTourPuzzle::HiddenMessage();
        else if (t >= message)
            caption = QStringLiteral("The hidden message goes into the empty cells...");
        else
            caption = QStringLiteral("Each word drops into the grid...");
        canvas->Font = TCanvasFont{QStringLiteral("Arial"), 10, false, true, QColor(0x20, 0x30, 0x60)};
        canvas->TextOut(g.CentreX() - canvas->TextWidth(caption) / 2.0, g.Bottom + ch * 0.5, caption);
    }

    // --- Intro scenes, drawn with plain painting.
    void Caption(QPainter& p, const QRectF& r, const QString& text, int px, bool bold, const QColor& c,
                 int flags = Qt::AlignCenter) {
        QFont f = font();
        f.setPixelSize(px);
        f.setBold(bold);
        p.setFont(f);
        p.setPen(c);
        p.drawText(r, flags, text);
    }

    void PaintTyping() {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF memo(width() * 0.12, height() * 0.1, width() * 0.46, height() * 0.8);
        Caption(p, QRectF(memo.left(), memo.top() - 22, memo.width(), 20), QStringLiteral("Word list"), 13, true,
                QColor(0x20, 0x30, 0x60), Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(QPen(QColor(0x8A, 0x94, 0xAA), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(memo, 4, 4);
        const QStringList words = TTourPuzzle::Words();
        int chars = tick_ / 2 % (words.join(QString()).size() + words.size() + 20);
        int listed = 0;
        QFont f = font();
        f.setPixelSize(15);
        f.setFamily(QStringLiteral("DejaVu Sans Mono"));
        p.setFont(f);
        const double line = 20.0;
        double y = memo.top() + 8;
        for (const QString& w : words) {
            if (chars <= 0 || y + line > memo.bottom()) break;
            const QString shown = w.left(chars);
            chars -= static_cast<int>(w.size()) + 1;
            p.setPen(QColor(0x10, 0x10, 0x10));
            p.drawText(QRectF(memo.left() + 10, y, memo.width() - 20, line), Qt::AlignLeft | Qt::AlignVCenter, shown);
            if (chars >= -1) ++listed;  // counted once its last letter is in
            const bool caretHere = chars < 0 && (tick_ / 6) % 2 == 0;
            if (caretHere) {
                const double x = memo.left() + 10 + QFontMetricsF(f).horizontalAdvance(shown) + 1;
                p.drawLine(QPointF(x, y + 3), QPointF(x, y + line - 3));
            }
            y += line;
        }
        Caption(p, QRectF(memo.right() + 16, memo.top(), width() - memo.right() - 24, 60),
                QString::number(listed) + (listed == 1 ? QStringLiteral(" word listed.") : QStringLiteral(" words listed.")),
                15, true, QColor(0x00, 0x00, 0x70), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        Caption(p, QRectF(memo.right() + 16, memo.top() + 60, width() - memo.right() - 24, 120),
                QStringLiteral("One word on each line.\nword/clue for a clue."), 13, false,
                QColor(0x40, 0x48, 0x60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    }

    void PaintOptions() {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // A compass of the eight directions, lighting up in turn.
        const QPointF centre(width() * 0.3, height() * 0.5);
        const double radius = std::min(width(), height()) * 0.34;
        const int lit = (tick_ / 5) % 9;
        for (int d = 1; d <= 8; ++d) {
            const double angle = (90.0 - 45.0 * (d - 1)) * std::numbers::pi / 180.0;
            const QPointF tip(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
            const bool on = d <= lit;
            p.setPen(QPen(on ? QColor(0x00, 0x60, 0xC0) : QColor(0xB0, 0xB8, 0xC8), on ? 5 : 3, Qt::SolidLine,
                          Qt::RoundCap));
            p.drawLine(centre, tip);
            const QPointF back = centre + (tip - centre) * 0.8;
            const QPointF side(-(tip - centre).y() * 0.08, (tip - centre).x() * 0.08);
            QPainterPath head;
            head.moveTo(tip);
            head.lineTo(back + side);
            head.lineTo(back - side);
            head.closeSubpath();
            p.fillPath(head, on ? QColor(0x00, 0x60, 0xC0) : QColor(0xB0, 0xB8, 0xC8));
        }
        p.setBrush(QColor(0x00, 0x00, 0x70));
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre, 6, 6);

        // The option pages, one highlighted at a time.
        const QStringList options = {QStringLiteral("Puzzle type"), QStringLiteral("Directions"),
                                     QStringLiteral("Sharing"), QStringLiteral("Capitalization"),
                                     QStringLiteral("Worksheet"), QStringLiteral("Instructions")};
        const int current = (tick_ / 12) % static_cast<int>(options.size());
        const double left = width() * 0.6;
        const double rowH = std::min(36.0, height() / (options.size() + 1.0));
        for (int i = 0; i < options.size(); ++i) {
            const QRectF box(left, height() * 0.5 - rowH * options.size() / 2.0 + i * rowH, width() * 0.34, rowH - 6);
            const bool on = i == current;
            p.setPen(QPen(on ? QColor(0x00, 0x60, 0xC0) : QColor(0xB0, 0xB8, 0xC8), 1.5));
            p.setBrush(on ? QColor(0xE0, 0xEE, 0xFF) : Qt::white);
            p.drawRoundedRect(box, 6, 6);
            Caption(p, box, options[i], 13, on, on ? QColor(0x00, 0x30, 0x80) : QColor(0x50, 0x58, 0x70));
        }
    }

    const QImage& PreviewImage(int view, QSize size) {
        const auto key = std::make_pair(view, std::make_pair(size.width(), size.height()));
        auto it = previews_.find(key);
        if (it == previews_.end()) {
            QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
            image.fill(QColor(0xB8, 0xBC, 0xC4));
            PaintPreviewView(puzzle_->Document(), image, view);
            it = previews_.emplace(key, image).first;
        }
        return it->second;
    }

    void PaintCreate() {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int cycle = tick_ % 90;
        const QRectF button(width() * 0.08, height() * 0.42, width() * 0.34, 44);
        const bool pressed = cycle >= 30 && cycle < 34;
        const double glow = cycle < 30 ? 0.5 + 0.5 * std::sin(cycle / 30.0 * 2.0 * std::numbers::pi) : 0.0;
        if (glow > 0.0) {
            QColor g(0xFF, 0xC8, 0x2E);
            g.setAlphaF(static_cast<float>(0.6 * glow));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(button.adjusted(-8, -8, 8, 8), 14, 14);
        }
        p.setPen(QPen(QColor(0x30, 0x40, 0x70), 1));
        p.setBrush(pressed ? QColor(0xC8, 0xD4, 0xEC) : QColor(0xF0, 0xF3, 0xFA));
        p.drawRoundedRect(button.translated(pressed ? 1 : 0, pressed ? 1 : 0), 6, 6);
        Caption(p, button, QStringLiteral("Create Puzzle Now"), 15, true, QColor(0x00, 0x00, 0x70));

        // The mouse pointer travels to the button and clicks it.
        const double travel = Clamp01(cycle / 28.0);
        const QPointF from(width() * 0.45, height() * 0.9);
        const QPointF to = button.center() + QPointF(20, 8);
        const QPointF at = from + (to - from) * (1.0 - (1.0 - travel) * (1.0 - travel));
        QPainterPath arrow;
        arrow.moveTo(at);
        arrow.lineTo(at + QPointF(0, 18));
        arrow.lineTo(at + QPointF(5, 14));
        arrow.lineTo(at + QPointF(9, 22));
        arrow.lineTo(at + QPointF(12, 20));
        arrow.lineTo(at + QPointF(8, 13));
        arrow.lineTo(at + QPointF(14, 13));
        arrow.closeSubpath();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(arrow);

        // After the click the finished grid unveils from the top.
        const QRectF sheet(width() * 0.52, height() * 0.06, width() * 0.44, height() * 0.88);
        if (cycle >= 34) {
            const QImage& grid = PreviewImage(ViewPuzzle, sheet.size().toSize());
            const double shown = Clamp01((cycle - 34) / 24.0);
            const QRectF part(0, 0, grid.width(), grid.height() * shown);
            p.drawImage(QRectF(sheet.topLeft(), part.size()), grid, part);
        } else {
            p.setPen(QPen(QColor(0xB0, 0xB8, 0xC8), 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(sheet);
        }
    }

    void PaintFinished() {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        static const std::array<std::pair<int, const char*>, 4> tour = {
            {{ViewPuzzle, "Puzzle"}, {ViewSolution, "Solution"}, {ViewWordList, "Word List"}, {ViewTwoPages, "Two Pages"}}};
        const std::size_t current = static_cast<std::size_t>(tick_ / 40) % tour.size();
        // A miniature of the page: the view bar over the preview, links on the left.
        const QRectF bar(width() * 0.3, 8, width() * 0.68, 26);
        const double tab = bar.width() / static_cast<double>(tour.size());
        for (std::size_t i = 0; i < tour.size(); ++i) {
            const QRectF b(bar.left() + tab * static_cast<double>(i), bar.top(), tab - 4, bar.height());
            const bool on = i == current;
            p.setPen(QPen(QColor(0x70, 0x80, 0xA0), 1));
            p.setBrush(on ? QColor(0x00, 0x00, 0x70) : QColor(0xE8, 0xEC, 0xF4));
            p.drawRoundedRect(b, 4, 4);
            Caption(p, b, QString::fromLatin1(tour[i].second), 12, on, on ? Qt::white : QColor(0x30, 0x38, 0x50));
        }
        const QRectF box(bar.left(), bar.bottom() + 6, bar.width(), height() - bar.bottom() - 14);
        p.drawImage(box.topLeft(), PreviewImage(tour[current].first, box.size().toSize()));

        const QStringList links = {QStringLiteral("Rescramble"), QStringLiteral("Rotate"), QStringLiteral("Vertical"),
                                   QStringLiteral("Horizontal"), QStringLiteral("Appearance"), QStringLiteral("Print"),
                                   QStringLiteral("Export")};
        const TWordSearch& puzzle = puzzle_->Puzzle().Grid();
        Caption(p, QRectF(8, 10, width() * 0.28 - 8, 20),
                QStringLiteral("Size %1 x %2.").arg(puzzle.ActualColumns).arg(puzzle.ActualRows), 13, true,
                QColor(0x10, 0x10, 0x10), Qt::AlignLeft | Qt::AlignVCenter);
        for (int i = 0; i < links.size(); ++i)
            Caption(p, QRectF(8, 44 + i * 26, width() * 0.28 - 8, 22), links[i], 13, false, QColor(0x00, 0x00, 0xEE),
                    Qt::AlignLeft | Qt::AlignVCenter);
    }

    void PaintOutput() {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int current = (tick_ / 25) % 3;
        const QStringList names = {QStringLiteral("Print"), QStringLiteral("Export"), QStringLiteral("Save")};
        const double slot = width() / 3.0;
        for (int i = 0; i < 3; ++i) {
            const bool on = i == current;
            const double lift = on ? 6.0 * std::sin((tick_ % 25) / 25.0 * std::numbers::pi) : 0.0;
            const QRectF icon(slot * i + slot * 0.2, height() * 0.22 - lift, slot * 0.6, height() * 0.46);
            const QColor ink = on ? QColor(0x00, 0x00, 0x70) : QColor(0x80, 0x88, 0xA0);
            p.setPen(QPen(ink, 2));
            p.setBrush(on ? QColor(0xE0, 0xEE, 0xFF) : Qt::white);
            if (i == 0) {  // a printer with a sheet coming out
                const QRectF body = icon.adjusted(0, icon.height() * 0.3, 0, -icon.height() * 0.25);
                p.drawRoundedRect(body, 6, 6);
                p.setBrush(Qt::white);
                p.drawRect(icon.adjusted(icon.width() * 0.2, 0, -icon.width() * 0.2, -icon.height() * 0.7));
                p.drawRect(QRectF(body.left() + icon.width() * 0.2, body.bottom() - 6, icon.width() * 0.6,
                                  icon.height() * 0.3));
            } else if (i == 1) {  // a page with an arrow leaving it
                const QRectF page = icon.adjusted(icon.width() * 0.1, 0, -icon.width() * 0.3, 0);
                p.drawRect(page);
                for (int l = 1; l <= 4; ++l)
                    p.drawLine(QPointF(page.left() + 8, page.top() + l * page.height() / 6.0),
                               QPointF(page.right() - 8, page.top() + l * page.height() / 6.0));
                const QPointF a(page.center().x(), page.bottom() - page.height() * 0.2);
                const QPointF b(icon.right(), a.y());
                p.setPen(QPen(QColor(0xE0, 0x7A, 0x00), 4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(a, b);
                p.drawLine(b, b + QPointF(-10, -8));
                p.drawLine(b, b + QPointF(-10, 8));
            } else {  // a floppy disk
                const double s = std::min(icon.width(), icon.height());
                const QRectF disk(icon.center().x() - s / 2, icon.center().y() - s / 2, s, s);
                p.drawRoundedRect(disk, 6, 6);
                p.drawRect(disk.adjusted(s * 0.22, 0, -s * 0.22, -s * 0.62));
                p.drawRect(disk.adjusted(s * 0.15, s * 0.55, -s * 0.15, -s * 0.08));
            }
            Caption(p, QRectF(slot * i, height() * 0.74, slot, 28), names[i], 15, on, ink);
        }
    }

    const TTourPuzzle* puzzle_;
    TScene scene_ = TScene::Typing;
    int tick_ = 0;
    std::vector<TAnimatedWord> words_;
    std::vector<QPoint> messageCells_;
    std::vector<QPoint> fillerCells_;
    std::map<std::pair<int, std::pair<int, int>>, QImage> previews_;
};

// --- The window ----------------------------------------------------------------------------

TTourFm::TTourFm(TWebFm& main, const QString& mode)
    : QDialog(&main),
      main_(&main),
      mode_(mode == TourAnimationMode ? TourAnimationMode : TourIntroMode),
      puzzle_(std::make_unique<TTourPuzzle>()) {
    setObjectName(QStringLiteral("TTourFm"));
    setModal(true);
    // Its own light colours, as the pages have, whatever the desktop theme.
    setPalette(SurfacePalette(main.Scheme().PageBackground));
    setAutoFillBackground(true);
    setWindowIcon(VorlixIcon());
    picture_ = new TTourPicture(*puzzle_, this);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(16, 14, 16, 12);
    col->setSpacing(10);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("Tour_HeadingLbl"));
    QFont big = heading_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    heading_->setFont(big);
    col->addWidget(heading_);
    col->addWidget(picture_, 1);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("Tour_TextLbl"));
    text_->setWordWrap(true);
    text_->setMinimumHeight(text_->fontMetrics().height() * 3);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    col->addWidget(text_);

    if (mode_ == TourAnimationMode)
        BuildAnimation();
    else
        BuildIntro();
    resize(640, 520);
}

TTourFm::~TTourFm() = default;

namespace {

QPushButton* TourButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

void TTourFm::BuildIntro() {
    setWindowTitle(QStringLiteral("Quick Tour"));
    auto* row = new QHBoxLayout;
    stepLbl_ = new QLabel(this);
    stepLbl_->setObjectName(QStringLiteral("Tour_StepLbl"));
    row->addWidget(stepLbl_);
    row->addStretch(1);
    back_ = TourButton(QStringLiteral("Tour_BackBtn"), QStringLiteral("< Back"), this);
    next_ = TourButton(QStringLiteral("Tour_NextBtn"), QStringLiteral("Next >"), this);
    auto* close = TourButton(QStringLiteral("Tour_CloseBtn"), QStringLiteral("Close"), this);
    next_->setDefault(true);
    row->addWidget(back_);
    row->addWidget(next_);
    row->addSpacing(12);
    row->addWidget(close);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(back_, &QPushButton::clicked, this, [this] { ShowStep(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowStep(step_ + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    ShowStep(0);
}

void TTourFm::BuildAnimation() {
    setWindowTitle(QStringLiteral("Animated Example"));
    heading_->setText(QStringLiteral("How a hidden-message puzzle is made"));
    text_->setText(QStringLiteral("The words are hidden first, one after another. The letters of the hidden message "
                                  "then go into the cells the words left free, read left to right and top to bottom, "
                                  "and random letters fill whatever is left."));
    picture_->SetScene(TScene::Animation);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* replay = TourButton(QStringLiteral("Tour_ReplayBtn"), QStringLiteral("Replay"), this);
    auto* close = TourButton(QStringLiteral("Tour_CloseBtn"), QStringLiteral("Close"), this);
    close->setDefault(true);
    row->addWidget(replay);
    row->addWidget(close);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(replay, &QPushButton::clicked, this, &TTourFm::Replay);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

int TTourFm::StepCount() const { return mode_ == TourIntroMode ? static_cast<int>(IntroSteps.size()) : 1; }

void TTourFm::ShowStep(int step) {
    if (mode_ != TourIntroMode) return;
    step_ = std::clamp(step, 0, StepCount() - 1);
    const TStepText& s = IntroSteps[static_cast<std::size_t>(step_)];
    heading_->setText(QString::fromUtf8(s.Heading));
    text_->setText(QString::fromUtf8(s.Text));
    stepLbl_->setText(QStringLiteral("Step %1 of %2").arg(step_ + 1).arg(StepCount()));
    back_->setEnabled(step_ > 0);
    next_->setEnabled(step_ < StepCount() - 1);
    picture_->SetScene(s.Scene);
}

void TTourFm::Replay() {
    picture_->Restart();
    if (isVisible() && !ticking_) {
        ticking_ = true;
        const int run = ++tickRun_;
        main_->Services().Clock.After(TickMs, this, [this, run] {
            if (run == tickRun_) Tick();
        });
    }
}

bool TTourFm::AnimationFinished() const { return picture_->Finished(); }

QWidget* TTourFm::Picture() const { return picture_; }

void TTourFm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (ticking_) return;
    ticking_ = true;
    const int run = ++tickRun_;
    main_->Services().Clock.After(TickMs, this, [this, run] {
        if (run == tickRun_) Tick();
    });
}

void TTourFm::hideEvent(QHideEvent* event) {
    ticking_ = false;
    ++tickRun_;
    QDialog::hideEvent(event);
}

void TTourFm::Tick() {
    if (!ticking_) return;
    picture_->Advance();
    // The animation plays once (Replay starts it again); the intro pictures keep moving.
    if (picture_->Finished()) {
        ticking_ = false;
        return;
    }
    const int run = tickRun_;
    main_->Services().Clock.After(TickMs, this, [this, run] {
        if (run == tickRun_) Tick();
    });
}

void ShowTourWindow(TWebFm& main, const QString& mode) {
    TTourFm dialog(main, mode);
    main.Services().Modal.Run(dialog);
}

}  // namespace vorlix::shell
