// A puzzle model with a document over it, and pictures of its pages, for the drawing tests.
#pragma once

#include <vector>

#include <QImage>
#include <QStringList>

#include "ascanvas.h"
#include "puzzledocument.h"
#include "puzzlemodel.h"

namespace vorlix::test {

class TNotingHost : public IMessageHost {
public:
    QStringList Texts;
    MessageAnswer ShowMessage(MessageKind, const std::u16string& text, MessageButtons buttons) override {
        Texts << QString::fromStdU16String(text);
        return FirstAnswerOf(buttons);
    }
};

struct THandWord {
    QString Word;
    int Column, Row, Direction;
};

struct TTestPuzzle {
    TNotingHost host;
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
        model.Engine().ClearList();
        for (int i = 1; i <= n; ++i)
            model.Engine().Words_ProcessLine(QStringLiteral("%1%2").arg(stem).arg(i, 4, 10, QChar('0')).toStdU16String());
        model.Engine().FinishList();
        SetGridSize(10, 10);
        for (int i = 1; i <= n; ++i) model.Puzzle().Placements[static_cast<std::size_t>(i)].Placed = true;
        document.LayOut();
    }

    // A grid typed row by row with words placed by hand.
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
            ws.Placements[i + 1] = {true, words[i].Column, words[i].Row, static_cast<std::uint8_t>(words[i].Direction), {}};
            ws.SolutionFlags[words[i].Column][words[i].Row] |= FirstLetterFlag;
        }
        document.LayOut();
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

}  // namespace vorlix::test
