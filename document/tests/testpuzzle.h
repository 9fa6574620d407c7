// A puzzle with a document over it, hand-made or built grids, pictures of its pages, and the
// file helper of the export tests.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QFile>
#include <QStringList>

#include "ascanvas.h"
#include "printjob.h"
#include "puzzledocument.h"
#include "puzzlebuilder.h"
#include "puzzledefaults.h"
#include "scriptedhost.h"

namespace vorlix::test {

struct THandWord {
    QString Word;
    int Column = 0, Row = 0, Direction = 0;  // column 0: not placed
};

struct TTestPuzzle {
    TScriptedMessageHost host;
    TPreferences prefs;
    TPuzzle puzzle = NewPuzzle(prefs);
    TPuzzleBuilder builder;
    TPuzzleDocument document{puzzle};
    TReport report;  // of the last print run

    TTestPuzzle() {
        puzzle.WorksheetLeftLines.clear();
        puzzle.WorksheetRightLines.clear();
        puzzle.InstructionLines.clear();
        puzzle.CreditsLine.clear();
    }

    // The type page's choice on a puzzle whose instructions are automatic.
    void ChooseType(bool hidden, bool clues) {
        puzzle.Type = {hidden, clues};
        puzzle.InstructionLines = AutomaticInstructions(puzzle.Type, puzzle.Directions);
    }

    void Build(const QStringList& words, int columns, int rows) {
        puzzle.WordLines = words;
        puzzle.RequestedColumns = columns;
        puzzle.RequestedRows = rows;
        builder.SetSeed(7);
        puzzle.Built = builder.Build(puzzle);
        document.LayOut();
    }

    // The grid's size only, its cells as they were.
    void SetGridSize(int columns, int rows) {
        Edit([&](TWordSearch& ws) {
            ws.ActualColumns = columns;
            ws.ActualRows = rows;
        });
    }

    // A changed copy of the grid becomes the puzzle's.
    void Edit(const std::function<void(TWordSearch&)>& change) {
        auto words = std::make_unique<TEngineState>(puzzle.Words());
        auto ws = std::make_unique<TWordSearch>(*words);
        ws->CopyWhole(puzzle.Grid(), *words);
        change(*ws);
        puzzle.Built = std::make_shared<const TBuiltGrid>(*ws);
    }

    // Only the word list, every word placed, over a 10 x 10 grid without letters.
    void PlacedWordList(int n, const QString& stem) {
        QStringList words;
        for (int i = 1; i <= n; ++i) words << QStringLiteral("%1%2").arg(stem).arg(i, 4, 10, QChar('0'));
        HandMade(QStringList(10, QString(10, QChar(1))), words);
    }

    // A grid typed row by row (u'\1' an empty cell) with words placed by hand.
    void HandMade(const QStringList& rows, const std::vector<THandWord>& words) {
        auto engine = std::make_unique<TEngineState>();
        ApplyPuzzleOptions(puzzle, engine->Settings);
        for (const THandWord& w : words) engine->Words_ProcessLine(w.Word.toStdU16String());
        engine->FinishList();
        auto ws = std::make_unique<TWordSearch>(*engine);
        ws->ActualColumns = static_cast<int>(rows.front().size());
        ws->ActualRows = static_cast<int>(rows.size());
        for (int r = 1; r <= ws->ActualRows; ++r)
            for (int c = 1; c <= ws->ActualColumns; ++c) ws->Grid[c][r] = rows[r - 1][c - 1].unicode();
        for (std::size_t i = 0; i < words.size(); ++i) {
            const THandWord& w = words[i];
            ws->Placements[i + 1] = {w.Column > 0, w.Column, w.Row, static_cast<std::uint8_t>(w.Direction), {}};
            if (w.Column > 0) ws->SolutionFlags[w.Column][w.Row] |= FirstLetterFlag;
        }
        puzzle.Built = std::make_shared<const TBuiltGrid>(*ws);
        document.LayOut();
    }
    // Where the words lie does not matter: all placed at the corner but the last `unplaced`.
    void HandMade(const QStringList& rows, const QStringList& words, int unplaced = 0) {
        std::vector<THandWord> hand;
        for (qsizetype i = 0; i < words.size(); ++i)
            hand.push_back({words[i], i < words.size() - unplaced ? 1 : 0, 1, East});
        HandMade(rows, hand);
    }

    // A print run of the puzzle; its copies are built by a builder of their own.
    TPrintOutcome Print(ISheetSink& sink, const TPrintOptions& options, IPrintProgress* progress = nullptr) {
        TPuzzleBuilder copies;
        copies.CheckLike(builder);
        report = {};
        return TPrintJob(document, sink, progress).Run(options, copies, report);
    }

    QImage Render(int page, double pixelsPerInch) {
        QImage image(qRound(8.5 * pixelsPerInch), qRound(11 * pixelsPerInch), QImage::Format_RGB32);
        image.fill(Qt::white);
        TAsCanvas canvas(TCanvasKind::Preview, &image, pixelsPerInch, pixelsPerInch);
        document.DrawPage(canvas, page, 0);
        canvas.End();
        return image;
    }
};

inline const QStringList AnimalWords = {"elephant", "giraffe", "zebra",   "lion",    "tiger",    "monkey",
                                        "hippo",    "rhino",   "cheetah", "leopard", "gorilla",  "panda",
                                        "koala",    "kangaroo", "otter",  "beaver",  "walrus",   "camel"};

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace vorlix::test
