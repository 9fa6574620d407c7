// Writes the interactive page: the embedded frame, style and script around the puzzle as JSON.
#include "playexport.h"

#include <QCryptographicHash>
#include <QIODevice>

#include "puzzle.h"
#include "textexport.h"

namespace vorlix {

// The project's page sources, embedded by the build (document/play).
extern const unsigned char Play_html[];
extern const std::size_t Play_htmlSize;
extern const unsigned char Play_style[];
extern const std::size_t Play_styleSize;
extern const unsigned char Play_script[];
extern const std::size_t Play_scriptSize;

using namespace Qt::StringLiterals;

namespace {

QByteArray Embedded(const unsigned char* bytes, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
}

const QByteArray& Frame() {
    static const QByteArray bytes = Embedded(Play_html, Play_htmlSize);
    return bytes;
}
const QByteArray& Style() {
    static const QByteArray bytes = Embedded(Play_style, Play_styleSize);
    return bytes;
}
const QByteArray& Script() {
    static const QByteArray bytes = Embedded(Play_script, Play_scriptSize);
    return bytes;
}

QString Sha256Source(const QByteArray& bytes) {
    return u"'sha256-"_s + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toBase64()) +
           u'\'';
}

void AppendHex4(QString& out, char16_t ch) {
    static const char16_t digits[] = u"0123456789abcdef";
    out += u"\\u"_s;
    for (int shift = 12; shift >= 0; shift -= 4) out += QChar(digits[(ch >> shift) & 0xF]);
}

void AppendJsonString(QString& out, QStringView text) {
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        switch (ch) {
            case u'"': out += u"\\\""_s; continue;
            case u'\\': out += u"\\\\"_s; continue;
            case u'\n': out += u"\\n"_s; continue;
            case u'\t': out += u"\\t"_s; continue;
            default: break;
        }
        // Markup characters and the two JavaScript line breaks never appear raw inside the
        // page's script element.
        if (ch < 0x20 || ch == u'<' || ch == u'>' || ch == u'&' || ch == 0x2028 || ch == 0x2029) {
            AppendHex4(out, ch);
            continue;
        }
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += QChar(ch);
            out += text[++i];
            continue;
        }
        // Half a pair names no character and would make the file invalid UTF-8.
        out += QChar::isSurrogate(ch) ? QChar(QChar::ReplacementCharacter) : QChar(ch);
    }
    out += u'"';
}

void AppendLines(QString& out, const char* key, const QStringList& lines) {
    out += u'"' + QLatin1StringView(key) + u"\":["_s;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) out += u',';
        AppendJsonString(out, QString(lines[i]).remove(u'\r'));
    }
    out += u"],"_s;
}

// The cells of a placed word from its first cell: a straight word steps by its direction, a
// bending one by its path's digits. A step off the grid ends the walk (a damaged file).
void AppendWordCells(QString& out, const TWordSearch& grid, const TWordPlacement& p, int length) {
    int c = p.Column;
    int r = p.Row;
    out += u'[';
    for (int k = 0; k < length; ++k) {
        if (c < 1 || c > grid.ActualColumns || r < 1 || r > grid.ActualRows) break;
        if (k > 0) out += u',';
        out += QString::number(c) + u',' + QString::number(r);
        int d = p.Direction;
        if (static_cast<std::size_t>(k) < p.Path.size()) d = p.Path[k] - '0';
        if (d < 0 || d > 8) d = 0;
        if (d == 0) break;
        c += DirectionDx[d];
        r += DirectionDy[d];
    }
    out += u']';
}

}  // namespace

QString PlayJsonString(QStringView text) {
    QString out;
    AppendJsonString(out, text);
    return out;
}

QString PlayPageData(const TPuzzle& puzzle, const TPlayOptions& options) {
    const TWordSearch& grid = puzzle.Grid();
    const TEngineState& engine = puzzle.Words();
    QString out;
    out.reserve(4096 + grid.ActualColumns * grid.ActualRows * 6 + engine.WordCount * 80);
    out += u'{';
    AppendLines(out, "title", puzzle.TitleLines);
    AppendLines(out, "worksheetLeft", puzzle.WorksheetLeftLines);
    AppendLines(out, "worksheetRight", puzzle.WorksheetRightLines);
    AppendLines(out, "instructions", puzzle.InstructionsIncluded ? puzzle.InstructionLines : QStringList());
    out += u"\"credits\":"_s;
    AppendJsonString(out, puzzle.CreditsLine);
    out += u",\"message\":"_s;
    AppendJsonString(out, puzzle.Type.HiddenMessage ? puzzle.HiddenMessageLines.join(u'\n') : QString());
    out += u",\"clues\":"_s + (puzzle.Type.CustomClues ? u"true"_s : u"false"_s);
    out += u",\"mystery\":"_s + (options.Mystery ? u"true"_s : u"false"_s);
    out += u",\"columns\":"_s + QString::number(grid.ActualColumns);
    out += u",\"rows\":"_s + QString::number(grid.ActualRows);
    out += u",\"cells\":["_s;
    for (int r = 1; r <= grid.ActualRows; ++r)
        for (int c = 1; c <= grid.ActualColumns; ++c) {
            if (r > 1 || c > 1) out += u',';
            AppendJsonString(out, IsBlankCell(grid.Grid[c][r]) ? QString() : puzzle.CellText(c, r));
        }
    out += u"],\"words\":["_s;
    bool first = true;
    for (int position = 1; position <= engine.WordCount; ++position) {
        const int word = engine.DisplayIndex[position];
        if (word < 1 || word > engine.WordCount || !grid.Placements[word].Placed) continue;
        if (!first) out += u',';
        first = false;
        out += u"{\"text\":"_s;
        AppendJsonString(out, FromWide(ListedText(engine.WordList[word], puzzle.Type.CustomClues)));
        out += u",\"cells\":"_s;
        AppendWordCells(out, grid, grid.Placements[word], engine.WordList[word].Length);
        out += u'}';
    }
    out += u"]}"_s;
    return out;
}

QString PlayContentSecurityPolicy() {
    return u"default-src 'none'; script-src "_s + Sha256Source(Script()) + u"; style-src "_s + Sha256Source(Style()) +
           u"; img-src data:; base-uri 'none'; form-action 'none'"_s;
}

QByteArray PlayPageBytes(const TPuzzle& puzzle, const TPlayOptions& options) {
    static const QByteArray policy = PlayContentSecurityPolicy().toUtf8();
    const QByteArray data = PlayPageData(puzzle, options).toUtf8();
    const std::pair<QByteArrayView, const QByteArray*> fills[] = {
        {"@CSP@", &policy}, {"@STYLE@", &Style()}, {"@DATA@", &data}, {"@SCRIPT@", &Script()}};
    // Only the frame is searched for the marks; what fills them is copied as it is.
    const QByteArray& frame = Frame();
    QByteArray page;
    page.reserve(frame.size() + policy.size() + Style().size() + data.size() + Script().size());
    qsizetype from = 0;
    while (true) {
        const qsizetype at = frame.indexOf('@', from);
        if (at < 0) break;
        bool filled = false;
        for (const auto& [mark, text] : fills) {
            if (QByteArrayView(frame).sliced(at).startsWith(mark)) {
                page += QByteArrayView(frame).sliced(from, at - from);
                page += *text;
                from = at + mark.size();
                filled = true;
                break;
            }
        }
        if (!filled) {
            page += QByteArrayView(frame).sliced(from, at + 1 - from);
            from = at + 1;
        }
    }
    page += QByteArrayView(frame).sliced(from);
    return page;
}

bool WritePlayPage(QIODevice& out, const TPuzzle& puzzle, const TPlayOptions& options) {
    return WriteAllBytes(out, PlayPageBytes(puzzle, options));
}

bool SavePlayPage(const QString& path, const TPuzzle& puzzle, const TPlayOptions& options, IMessageHost& host) {
    return SaveExportFile(path, [&](QIODevice& out) { return WritePlayPage(out, puzzle, options); }, host);
}

}  // namespace vorlix
