// A puzzle model with a document over it, hand-made or built grids, pictures of its pages,
// and the file helper of the export tests.
#pragma once

#include <vector>

#include <QFile>
#include <QStringList>

#include "ascanvas.h"
#include "puzzledocument.h"
#include "puzzlemodel.h"
#include "scriptedhost.h"

namespace vorlix::test {

struct THandWord {
    QString Word;
    int Column = 0, Row = 0, Direction = 0;  // column 0: not placed
};

struct TTestPuzzle {
    TScriptedMessageHost host;
    TPreferences prefs;
    TPuzzleModel model{host, prefs};
    TPuzzleDocument document{model};

    TTestPuzzle() {
        model.ResetToNewPuzzle();
        model.Worksheet_LeftMemo.clear();
        model.Worksheet_RightMemo.clear();
        model.Layout_InstructionsMemo.clear();
        model.CreditsLineCmBx.Text.clear();
    }

    void Build(const QStringList& words, int columns, int rows) {
        model.Words_Memo = words;
        model.RequestedColumns = columns;
        model.RequestedRows = rows;
        model.Engine().SetSeed(7);
        model.RebuildPuzzle();
        document.LayOut();
    }

    void SetGridSize(int columns, int rows) {
        model.Puzzle().ActualColumns = columns;
        model.Puzzle().ActualRows = rows;
    }

    // Only the word list, every word placed, over a 10 x 10 grid without letters.
    void PlacedWordList(int n, const QString& stem) {
        QStringList words;
        for (int i = 1; i <= n; ++i) words << QStringLiteral("%1%2").arg(stem).arg(i, 4, 10, QChar('0'));
        HandMade(QStringList(10, QString(10, QChar(1))), words);
    }

    // A grid typed row by row (u'\1' an empty cell) with words placed by hand.
    void HandMade(const QStringList& rows, const std::vector<THandWord>& words) {
        TWordSearch& ws = model.Puzzle();
        model.Engine().ClearList();
        for (const THandWord& w : words) model.Engine().Words_ProcessLine(w.Word.toStdU16String());
        model.Engine().FinishList();
        ws.Clear();
        SetGridSize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
        for (int r = 1; r <= ws.ActualRows; ++r)
            for (int c = 1; c <= ws.ActualColumns; ++c) ws.Grid[c][r] = rows[r - 1][c - 1].unicode();
        for (std::size_t i = 0; i < words.size(); ++i) {
            const THandWord& w = words[i];
            ws.Placements[i + 1] = {w.Column > 0, w.Column, w.Row, static_cast<std::uint8_t>(w.Direction), {}};
            if (w.Column > 0) ws.SolutionFlags[w.Column][w.Row] |= FirstLetterFlag;
        }
        document.LayOut();
    }
    // Where the words lie does not matter: all placed at the corner but the last `unplaced`.
    void HandMade(const QStringList& rows, const QStringList& words, int unplaced = 0) {
        std::vector<THandWord> hand;
        for (qsizetype i = 0; i < words.size(); ++i)
            hand.push_back({words[i], i < words.size() - unplaced ? 1 : 0, 1, East});
        HandMade(rows, hand);
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
