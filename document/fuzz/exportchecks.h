// What the export fuzz target and its regression replay check for one input: a puzzle the
// reader accepts goes through every export into memory, the SVG and the web page stay
// well-formed, and the whole round stays within a time budget.
#pragma once

#include <QBuffer>
#include <QElapsedTimer>

#include "htmlexport.h"
#include "markupcheck.h"
#include "pictureexport.h"
#include "puzzledocument.h"
#include "puzzlefile.h"
#include "messages.h"
#include "textexport.h"

namespace vorlix::fuzz {

// Generous for a sanitizer build; the hangs this guards against never ended at all.
constexpr qint64 ExportBudgetMs = 10000;

// Empty when the input is refused or every export of it is sound; else what went wrong.
inline QString ExportProblem(const QByteArray& bytes) {
    const TReadResult<TPuzzle> read = ReadPuzzleBytes(bytes, QStringLiteral("fuzz.ws"));
    if (!read.Value) return {};
    const TPuzzle& puzzle = *read.Value;
    TPuzzleDocument document(puzzle);
    TSilentMessageHost host;
    QElapsedTimer clock;
    clock.start();
    const TExportSections all{true, true, true, true, true, false};
    const TExportSections solution{false, true, false, false, false, true};
    TextExportBytes(TextExportLines(puzzle, all));
    if (QString p = markup::HtmlProblem(HtmlBytes(HtmlPageLines(puzzle, all))); !p.isEmpty())
        return QStringLiteral("web page: ") + p;
    for (const bool s : {false, true}) {
        const QByteArray svg = RenderVectorPicture(document, s ? solution : all, s, TVectorFormat::Svg, host);
        if (QString p = markup::SvgProblem(svg); !svg.isEmpty() && !p.isEmpty()) return QStringLiteral("SVG: ") + p;
    }
    if (TAsCanvas::EmfAvailable()) RenderVectorPicture(document, all, false, TVectorFormat::Emf, host);
    EncodeBitmap(RenderBitmapPicture(document, all, false, 120, 90, host), TPictureFileFormat::Png);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    document.LayOut();
    auto canvas = TAsCanvas::NewPdf(&pdf, QStringLiteral("letter"));
    document.DrawPage(*canvas, 1, 0);
    canvas->End();
    if (clock.elapsed() > ExportBudgetMs)
        return QStringLiteral("the exports took %1 ms").arg(clock.elapsed());
    return {};
}

}  // namespace vorlix::fuzz
