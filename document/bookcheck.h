// The paper check of a book before it goes to a printer: page by page, the page size, ink
// outside the margins (scanned on the rendered page), text under the least size, fonts
// not embedded in the written PDF, and an odd page count.
#pragma once

#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "book.h"

namespace vorlix {

// What the check looks at: the pages as drawn and the PDF as written.
struct TCheckedPages {
    int Count = 0;
    double Width = 0.0;  // inches
    double Height = 0.0;
    int MinTextPoints = MinPrintPoints;
    std::function<TPageGeometry(int page)> Geometry;
    std::function<void(TAsCanvas& canvas, int page)> Draw;
};
TCheckedPages PagesOf(const TBook& book);

struct TPaperProblem {
    int Page = 0;  // 0: the whole book
    QString Text;
};

struct TPaperCheck {
    int Pages = 0;
    std::vector<TPaperProblem> Problems;
    QStringList Fonts;  // the embedded fonts' names
    bool Passed() const { return Problems.empty(); }
    // "Page 3: ..." lines, then a closing verdict.
    QStringList Lines() const;
};

// What the written PDF says: each page's size in points and each font's embedding.
struct TPdfFacts {
    std::vector<std::pair<double, double>> PageSizes;
    QStringList EmbeddedFonts;
    QStringList BareFonts;  // named but not embedded
};
TPdfFacts ReadPdfFacts(const QByteArray& pdf);

// The page being scanned (page, pages); false stops, and the check says it was stopped.
using TCheckProgress = std::function<bool(int page, int pages)>;
TPaperCheck CheckPaper(const TCheckedPages& pages, const QByteArray& pdf, const TCheckProgress& progress = {});

// Pixels per inch of the ink scan: fine enough for a stray line, quick for a long book.
constexpr double InkScanResolution = 48.0;

}  // namespace vorlix
