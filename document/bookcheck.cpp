// The paper check: the pages are drawn again through the book's own drawing onto bitmaps
// and scanned, and the written PDF is read for its page sizes and fonts.
#include "bookcheck.h"

#include <cmath>

#include <QImage>
#include <QRegularExpression>

namespace vorlix {

TCheckedPages PagesOf(const TBook& book) {
    TCheckedPages pages;
    pages.Count = book.PageCount();
    pages.Width = book.PageWidth();
    pages.Height = book.PageHeight();
    pages.MinTextPoints = book.MinTextPoints();
    pages.Geometry = [&book](int page) { return book.Geometry(page); };
    pages.Draw = [&book](TAsCanvas& canvas, int page) { book.DrawPage(canvas, page); };
    return pages;
}

QStringList TPaperCheck::Lines() const {
    QStringList lines;
    for (const TPaperProblem& p : Problems)
        lines << (p.Page > 0 ? QStringLiteral("Page %1: ").arg(p.Page) : QStringLiteral("Book: ")) + p.Text;
    if (Passed())
        lines << QStringLiteral("Paper check passed: %1 pages, every font embedded, nothing outside the margins.")
                     .arg(Pages);
    else
        lines << QStringLiteral("Paper check failed: %1 problem(s) in %2 pages.").arg(Problems.size()).arg(Pages);
    return lines;
}

namespace {

// The dictionary text of each object that contains needle, up to its endobj.
QList<QByteArray> ObjectsWith(const QByteArray& pdf, const QByteArray& needle) {
    QList<QByteArray> found;
    qsizetype at = 0;
    while ((at = pdf.indexOf(needle, at)) >= 0) {
        const qsizetype start = std::max<qsizetype>(0, pdf.lastIndexOf(" obj", at));
        qsizetype end = pdf.indexOf("endobj", at);
        if (end < 0) end = pdf.size();
        // A stream's bytes are not dictionary text.
        if (const qsizetype stream = pdf.indexOf("stream", at); stream >= 0 && stream < end) end = stream;
        found << pdf.mid(start, end - start);
        at = end;
    }
    return found;
}

QString FontNameIn(const QByteArray& dictionary) {
    static const QRegularExpression name(QStringLiteral("/(?:FontName|BaseFont)\\s*/([^\\s/\\[\\]<>()]+)"));
    const auto m = name.match(QString::fromLatin1(dictionary));
    return m.hasMatch() ? m.captured(1) : QStringLiteral("(unnamed)");
}

}  // namespace

TPdfFacts ReadPdfFacts(const QByteArray& pdf) {
    TPdfFacts facts;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    for (const QByteArray& object : ObjectsWith(pdf, "/Type /Page")) {
        const QString text = QString::fromLatin1(object);
        if (!page.match(text).hasMatch()) continue;
        const auto m = box.match(text);
        if (m.hasMatch())
            facts.PageSizes.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                                         m.captured(4).toDouble() - m.captured(2).toDouble());
        else
            facts.PageSizes.emplace_back(0.0, 0.0);
    }
    for (const QByteArray& descriptor : ObjectsWith(pdf, "/FontDescriptor")) {
        // A font dictionary only points at its descriptor; the descriptor holds the file.
        if (!descriptor.contains("/Type /FontDescriptor") && !descriptor.contains("/Type/FontDescriptor")) continue;
        const bool embedded = descriptor.contains("/FontFile");
        (embedded ? facts.EmbeddedFonts : facts.BareFonts) << FontNameIn(descriptor);
    }
    // A simple font with no descriptor at all is one of the viewer's own, never embedded.
    for (const QByteArray& font : ObjectsWith(pdf, "/Type /Font")) {
        const bool simple = font.contains("/Subtype /Type1") || font.contains("/Subtype /TrueType");
        if (simple && !font.contains("/FontDescriptor")) facts.BareFonts << FontNameIn(font);
    }
    facts.EmbeddedFonts.removeDuplicates();
    facts.BareFonts.removeDuplicates();
    return facts;
}

namespace {

// The sides of the page where the picture has ink outside safe (a pixel's tolerance for
// antialiased edges).
QStringList InkOutside(const QImage& image, const TInchRect& safe, double ppi) {
    const int left = static_cast<int>(std::floor(safe.Left * ppi)) - 1;
    const int top = static_cast<int>(std::floor(safe.Top * ppi)) - 1;
    const int right = static_cast<int>(std::ceil(safe.Right * ppi)) + 1;
    const int bottom = static_cast<int>(std::ceil(safe.Bottom * ppi)) + 1;
    bool sides[4] = {false, false, false, false};
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (x >= left && x < right && y >= top && y < bottom) {
                x = right - 1;  // skip the inside of the safe area
                continue;
            }
            const QRgb c = row[x];
            if (qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245) continue;
            sides[0] |= x < left;
            sides[1] |= y < top;
            sides[2] |= x >= right;
            sides[3] |= y >= bottom;
        }
    }
    static const char* names[4] = {"left", "top", "right", "bottom"};
    QStringList found;
    for (int s = 0; s < 4; ++s)
        if (sides[s]) found << QString::fromLatin1(names[s]);
    return found;
}

QString Inches(double points) { return QString::number(points / 72.0, 'f', 3); }

}  // namespace

TPaperCheck CheckPaper(const TCheckedPages& pages, const QByteArray& pdf, const TCheckProgress& progress) {
    TPaperCheck check;
    check.Pages = pages.Count;
    const TPdfFacts facts = ReadPdfFacts(pdf);
    check.Fonts = facts.EmbeddedFonts;
    const double w = pages.Width * 72.0;
    const double h = pages.Height * 72.0;
    if (static_cast<int>(facts.PageSizes.size()) != pages.Count)
        check.Problems.push_back({0, QStringLiteral("the PDF has %1 pages, the book %2.").arg(facts.PageSizes.size()).arg(pages.Count)});
    for (const QString& font : facts.BareFonts)
        check.Problems.push_back({0, QStringLiteral("the font %1 is not embedded.").arg(font)});
    if (pages.Count % 2 == 1)
        check.Problems.push_back({0, QStringLiteral("the page count %1 is odd; print services want it even.").arg(pages.Count)});

    for (int page = 1; page <= pages.Count; ++page) {
        if (progress && !progress(page, pages.Count)) {
            check.Problems.push_back({0, QStringLiteral("the check was stopped at page %1.").arg(page)});
            return check;
        }
        if (page <= static_cast<int>(facts.PageSizes.size())) {
            const auto [pw, ph] = facts.PageSizes[static_cast<std::size_t>(page - 1)];
            if (std::abs(pw - w) > 0.5 || std::abs(ph - h) > 0.5)
                check.Problems.push_back({page, QStringLiteral("the page is %1 x %2 in; the trim with its bleed is %3 x %4 in.")
                                                    .arg(Inches(pw), Inches(ph), Inches(w), Inches(h))});
        }
        QImage image(std::max(1, qRound(pages.Width * InkScanResolution)),
                     std::max(1, qRound(pages.Height * InkScanResolution)), QImage::Format_RGB32);
        image.fill(Qt::white);
        TPageInk ink;
        {
            TBookCanvas canvas(TCanvasKind::Preview, &image, InkScanResolution);
            pages.Draw(canvas, page);
            canvas.End();
            ink = canvas.TakeInk();
        }
        if (ink.SmallestText > 0 && ink.SmallestText < pages.MinTextPoints)
            check.Problems.push_back({page, QStringLiteral("text at %1 pt, under the least %2 pt.")
                                                .arg(ink.SmallestText)
                                                .arg(pages.MinTextPoints)});
        if (const QStringList sides = InkOutside(image, pages.Geometry(page).Safe, InkScanResolution); !sides.isEmpty())
            check.Problems.push_back({page, QStringLiteral("ink outside the margins (%1).").arg(sides.join(QStringLiteral(", ")))});
    }
    return check;
}

}  // namespace vorlix
