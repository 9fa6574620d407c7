#include "puzzlefile.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

#include "capitalization.h"
#include "puzzlebuilder.h"
#include "safewrite.h"
#include "textcodec.h"
#include "wordlistio.h"

namespace vorlix {

namespace {

struct TTextSection {
    const char* Header;
    const char* End;
    QStringList TPuzzle::*Lines;
};

// The page texts after the placements, in file order; the hidden message follows them.
constexpr TTextSection PageTextSections[] = {
    {"TITLE:", "END TITLE", &TPuzzle::TitleLines},
    {"LEFT WORKSHEET:", "END LEFT WORKSHEET", &TPuzzle::WorksheetLeftLines},
    {"RIGHT WORKSHEET:", "END RIGHT WORKSHEET", &TPuzzle::WorksheetRightLines},
    {"INSTRUCTIONS:", "END INSTRUCTIONS", &TPuzzle::InstructionLines},
};
constexpr TTextSection HiddenMessageSection = {"REQUESTED HIDDEN MESSAGE:", "END REQUESTED HIDDEN MESSAGE",
                                               &TPuzzle::HiddenMessageLines};
const QString WordListHeader = QStringLiteral("REQUESTED WORD LIST:");
const QString WordListEnd = QStringLiteral("END REQUESTED WORD LIST");
const QString PlacementHeader = QStringLiteral("WORD PLACEMENT:");
const QString PlacementEnd = QStringLiteral("END WORD PLACEMENT");
const QString GridHeader = QStringLiteral("GRID:");

constexpr int MinPlacementLineLength = 20;

QString Latin(const char* text) { return QString::fromLatin1(text); }

QString BoolText(bool value) { return value ? QStringLiteral("T") : QStringLiteral("F"); }

// One physical line per value: a line break typed into a one-line field would otherwise
// split the file's structure.
QString OneLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

QString KeyLine(const char* key, const QString& value) { return Latin(key) + u'=' + OneLine(value); }
QString KeyLine(const char* key, int value) { return Latin(key) + u'=' + QString::number(value); }
QString KeyLine(const char* key, bool value) { return Latin(key) + u'=' + BoolText(value); }

void AppendTextSection(QStringList& lines, const char* header, const char* end, const QStringList& text) {
    lines.append(Latin(header));
    for (const QString& entry : text)
        for (const QString& line : SplitLines(entry))
            if (!line.isEmpty()) lines.append(u'\t' + line);
    lines.append(Latin(end));
}

// Paths are digit strings; anything else would break the quoting of the entry text.
QString PathText(const std::string& path) {
    QString out;
    for (char c : path)
        if (c >= '0' && c <= '9') out.append(QLatin1Char(c));
    return out;
}

// Keys match in any case; the first line naming a key wins.
class TKeyValues {
public:
    explicit TKeyValues(const QStringList& lines) {
        for (const QString& line : lines) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq < 0) continue;
            const QString key = line.left(eq).toCaseFolded();
            if (!values_.contains(key)) values_.insert(key, line.mid(eq + 1));
        }
    }
    QString Text(const char* key) const { return values_.value(Latin(key).toCaseFolded()); }
    bool Bool(const char* key) const { return Text(key) == u"T"; }
    int Integer(const char* key, int fallback) const { return ParseFileInteger(Text(key), fallback); }

private:
    QHash<QString, QString> values_;
};

qsizetype FindLine(const QStringList& lines, const QString& text) { return lines.indexOf(text); }

// Values a file may hold, as the appearance dialog and the pages accept them. Anything else
// is corrected and reported, so a hand-edited file cannot ask for a 3000-point title.
struct TValueRange {
    int Lowest;
    int Highest;
};
constexpr TValueRange FontSizeRanges[] = {{6, 144}, {4, 36}, {4, 36}, {4, 96}, {4, 36}, {3, 36}};
constexpr TValueRange ChoiceOfThree = {0, 2};
constexpr double MaxMarginInches = 2.0;
// Font names of installed fonts are short; anything longer is not one.
constexpr qsizetype MaxFontNameLength = 64;

bool IsColorValue(std::int64_t v) {
    // Plain RGB, "no colour", or one of the system colours (rendered black).
    return v == NoColor || (v >= 0 && v <= 0xFFFFFF) || (v >= WindowTextColor - 8 && v <= WindowTextColor + 40);
}

// Collects the corrected values for the reader's one warning.
class TCorrections {
public:
    QString Text() const { return notes_.join(QStringLiteral(", ")); }
    void Note(const char* key, const QString& was, const QString& now) {
        // A damaged file may hold thousands; the message names the first few.
        if (notes_.size() < 8) notes_.append(Latin(key) + u'=' + was.left(20) + QStringLiteral(" (now ") + now + u')');
        else if (notes_.size() == 8) notes_.append(QStringLiteral("..."));
        ++count_;
    }
    int Total() const { return count_; }

private:
    QStringList notes_;
    int count_ = 0;
};

int CheckedInteger(const TKeyValues& keys, const char* key, int fallback, TValueRange range, TCorrections& fixes) {
    const QString text = keys.Text(key);
    if (text.isEmpty()) return fallback;
    const int value = ParseFileInteger(text, fallback);
    if (value >= range.Lowest && value <= range.Highest) return value;
    const int fixed = std::clamp(value, range.Lowest, range.Highest);
    fixes.Note(key, text, QString::number(fixed));
    return fixed;
}

std::int32_t CheckedColor(const TKeyValues& keys, const char* key, std::int32_t fallback, TCorrections& fixes) {
    const QString text = keys.Text(key);
    if (text.isEmpty()) return fallback;
    const int value = ParseFileInteger(text, fallback);
    if (IsColorValue(value)) return value;
    fixes.Note(key, text, QString::number(fallback));
    return fallback;
}

// A face is a name, not text to be drawn or pasted into markup: control and invisible
// characters go, and so does what no font name is that long.
QString CheckedFace(const TKeyValues& keys, const char* key, TCorrections& fixes) {
    const QString text = keys.Text(key);
    QString face = CleanText(text).left(MaxFontNameLength).trimmed();
    if (face != text) fixes.Note(key, DisplayPath(text), face.isEmpty() ? QStringLiteral("default") : face);
    return face;
}

// A one-line text held to the length of a word-list line.
QString CheckedLine(const TKeyValues& keys, const char* key, TCorrections& fixes) {
    const QString text = keys.Text(key);
    if (text.size() <= WordListLineMaxLength) return text;
    fixes.Note(key, text.left(20), QStringLiteral("cut at %1 characters").arg(WordListLineMaxLength));
    return text.left(WordListLineMaxLength);
}

// The lines of every section, in the order a save writes them.
struct TSectionMarks {
    const char* Name;
    const char* Header;
    const char* End;
};
constexpr TSectionMarks SectionMarks[] = {
    {"GRID", "GRID:", "END GRID"},
    {"word list", "REQUESTED WORD LIST:", "END REQUESTED WORD LIST"},
    {"word placement", "WORD PLACEMENT:", "END WORD PLACEMENT"},
    {"title", "TITLE:", "END TITLE"},
    {"left worksheet", "LEFT WORKSHEET:", "END LEFT WORKSHEET"},
    {"right worksheet", "RIGHT WORKSHEET:", "END RIGHT WORKSHEET"},
    {"instructions", "INSTRUCTIONS:", "END INSTRUCTIONS"},
    {"hidden message", "REQUESTED HIDDEN MESSAGE:", "END REQUESTED HIDDEN MESSAGE"},
};

// What is wrong with the file's structure, empty when nothing: a file cut short loses its
// last line "END." and usually the end of a section, and one whose sections contradict
// each other cannot be read without guessing.
QString StructureProblem(const QStringList& lines) {
    QStringList problems;
    for (const TSectionMarks& m : SectionMarks) {
        const qsizetype header = FindLine(lines, Latin(m.Header));
        const qsizetype end = FindLine(lines, Latin(m.End));
        const QString name = Latin(m.Name);
        if (header >= 0 && end < 0)
            problems << QStringLiteral("the %1 section has no end").arg(name);
        else if (header < 0 && end >= 0)
            problems << QStringLiteral("the %1 section has an end but no beginning").arg(name);
        else if (header >= 0 && end < header)
            problems << QStringLiteral("the %1 section ends before it begins").arg(name);
    }
    qsizetype last = lines.size() - 1;
    while (last > 0 && lines[last].trimmed().isEmpty()) --last;
    if (last <= 0 || lines[last] != u"END.")
        problems << QStringLiteral("its last line \"END.\" is missing, so the file was cut short");
    return problems.join(QStringLiteral("; "));
}


// The lines strictly between the first header and the first end line; none when either
// is missing.
std::pair<qsizetype, qsizetype> SectionRange(const QStringList& lines, const QString& header, const QString& end) {
    const qsizetype first = FindLine(lines, header);
    const qsizetype last = FindLine(lines, end);
    if (first < 0 || last < 0) return {0, 0};
    return {first + 1, std::max(first + 1, last)};
}

// Returns how many lines were cut: no page holds a line of thousands of characters, and
// laying one out would take minutes.
int ReadTextSection(const QStringList& lines, const TTextSection& section, QStringList& text) {
    text.clear();
    int cut = 0;
    const auto [from, to] = SectionRange(lines, Latin(section.Header), Latin(section.End));
    for (qsizetype i = from; i < to; ++i) {
        if (!lines[i].startsWith(u'\t')) continue;
        cut += lines[i].size() - 1 > WordListLineMaxLength;
        text.append(lines[i].mid(1, WordListLineMaxLength));
    }
    return cut;
}

// Deletes through the first marker (or just the first character without one) and returns
// the text before the next blank, parsed; fallback when no blank is left.
int TakeNumberAfter(QString& rest, QStringView marker, int fallback) {
    const qsizetype at = rest.indexOf(marker);
    rest.remove(0, at < 0 ? 1 : at + marker.size());
    const qsizetype blank = rest.indexOf(u' ');
    if (blank < 0) return fallback;
    return ParseFileInteger(QStringView(rest).left(blank), fallback);
}

struct TPlacementLine {
    int Placed = 0;
    int Column = 1;
    int Row = 1;
    int Direction = 3;
    std::string Path;
    QString Text;
};

// False for a line the reader must reject.
bool ParsePlacementLine(const QString& line, TPlacementLine& out) {
    if (line.size() < MinPlacementLineLength || !line.startsWith(u'\t')) return false;
    out.Placed = ParseFileInteger(QStringView(line).sliced(1, 1), 0);
    QString rest = line;
    out.Column = TakeNumberAfter(rest, u"X=", 1);
    out.Row = TakeNumberAfter(rest, u"Y=", 1);
    out.Direction = TakeNumberAfter(rest, u"D=", 3);
    const qsizetype open = rest.indexOf(u'<');
    if (open >= 0) rest.remove(0, open + 1);
    const qsizetype close = rest.indexOf(u'>');
    out.Path = close < 0 ? std::string() : rest.left(close).toLatin1().toStdString();
    const qsizetype quote = rest.indexOf(u'"');
    if (quote >= 0) rest.remove(0, quote + 1);
    if (rest.endsWith(u'"'))
        rest.chop(1);
    else if (rest.size() >= 2 && rest[rest.size() - 2] == u'"')
        rest.chop(2);
    out.Text = rest;
    // A placement outside the cell arrays or with an unknown direction cannot be walked.
    const auto inArrays = [](int v) { return v >= 0 && v <= MaxGridSize; };
    return inArrays(out.Column) && inArrays(out.Row) && out.Direction >= 0 && out.Direction <= 8;
}

// The texts of the grid's interned cells as "E000:915+94D|E001:..." (code, then the text's
// code points in hex): plain ASCII, so no text can break the line or the file's encoding.
QString CellTextsValue(const TCellAlphabet& cells) {
    QStringList entries;
    for (std::size_t k = 0; k < cells.Interned().size(); ++k) {
        QStringList points;
        for (const char32_t c : QString::fromStdU16String(cells.Interned()[k]).toUcs4())
            points << QString::number(std::uint32_t(c), 16).toUpper();
        entries << QString::number(FirstInternedCode + k, 16).toUpper() + u':' + points.join(u'+');
    }
    return entries.join(u'|');
}

// The table of a CellTexts value; an empty problem when it reads cleanly.
std::vector<std::u16string> ParseCellTexts(const QString& value, QString& problem) {
    std::vector<std::u16string> texts;
    if (value.isEmpty()) return texts;
    const QStringList entries = value.split(u'|');
    if (entries.size() > qsizetype(MaxInternedCells)) {
        problem = QStringLiteral("its cell table holds more than %1 entries").arg(MaxInternedCells);
        return {};
    }
    for (const QString& entry : entries) {
        const qsizetype colon = entry.indexOf(u':');
        bool ok = false;
        const uint code = colon > 0 ? QStringView(entry).left(colon).toUInt(&ok, 16) : 0;
        const uint expected = FirstInternedCode + uint(texts.size());
        if (!ok || code != expected) {
            problem = QStringLiteral("its cell table entry \"%1\" is not the code %2")
                          .arg(entry.left(20), QString::number(expected, 16).toUpper());
            return {};
        }
        QString text;
        for (const QStringView point : QStringView(entry).sliced(colon + 1).split(u'+')) {
            const uint c = point.size() <= 6 ? point.toUInt(&ok, 16) : 0;
            if (!ok || c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
                problem = QStringLiteral("its cell table entry \"%1\" holds a bad code point").arg(entry.left(20));
                return {};
            }
            const char32_t one = c;
            text += QString::fromUcs4(&one, 1);
        }
        texts.push_back(text.toStdU16String());
    }
    TCellAlphabet check;
    if (!check.Assign(texts)) {
        problem = QStringLiteral("its cell table repeats a text, or holds an empty, single or overlong one");
        return {};
    }
    return texts;
}

QString DamagedFileMessage(const QString& fileName, const QString& problem) {
    return QStringLiteral("File ") + fileName + QStringLiteral(" is damaged and was not opened: ") + problem +
           u'.';
}

// Grid rows from the line after "GRID:"; a missing or short row ends the grid.
void ReadGrid(TWordSearch& grid, const QStringList& lines, const QString& fileName, TReport& report) {
    const qsizetype header = FindLine(lines, GridHeader);
    if (header < 0) {
        report.Add(MessageKind::Error, NoGridMessage(fileName));
        return;
    }
    for (int y = 1; y <= grid.ActualRows; ++y) {
        const qsizetype at = header + y;
        if (at >= lines.size() || lines[at].size() < 2 * qsizetype(grid.ActualColumns) ||
            lines[at] == u"END GRID") {
            report.Add(MessageKind::Error, DamagedGridMessage(fileName, y));
            return;
        }
        const QString& row = lines[at];
        for (int x = 1; x <= grid.ActualColumns; ++x) grid.Grid[x][y] = row[2 * x - 1].unicode();
    }
}

// Returns the number of rejected lines.
int ReadWordList(TPuzzle& puzzle, const QStringList& lines) {
    int rejected = 0;
    puzzle.WordLines.clear();
    const auto [from, to] = SectionRange(lines, WordListHeader, WordListEnd);
    for (qsizetype i = from; i < to; ++i) {
        if (!lines[i].startsWith(u'\t')) {
            ++rejected;
            continue;
        }
        int removed = 0;
        const QStringView line = QStringView(lines[i]).sliced(1);
        puzzle.WordLines.append(CleanText(line.left(WordListLineMaxLength), &removed));
        if (removed > 0 || line.size() > WordListLineMaxLength) ++rejected;
    }
    return rejected;
}

// A placed word must lie inside the grid from its first letter to its last.
bool FitsTheGrid(const TWordSearch& puzzle, const TEngineState& engine, const TPlacementLine& p) {
    if (p.Direction < 1 || p.Direction > 8) return false;
    const auto length = qsizetype(engine.GridForm(p.Text.toStdU16String()).size());
    const auto inside = [&](qsizetype c, qsizetype r) {
        return c >= 1 && c <= puzzle.ActualColumns && r >= 1 && r <= puzzle.ActualRows;
    };
    if (length == 0) return true;  // dropped by the list anyway
    if (!inside(p.Column, p.Row)) return false;
    const qsizetype steps = length - 1;
    return inside(p.Column + steps * DirectionDx[p.Direction], p.Row + steps * DirectionDy[p.Direction]);
}

int ReadPlacements(TWordSearch& grid, const QStringList& lines, const std::vector<std::u16string>& cellTexts) {
    const qsizetype header = FindLine(lines, PlacementHeader);
    const qsizetype end = FindLine(lines, PlacementEnd);
    TEngineState& engine = grid.State();
    if (header >= 0 && end >= 0) engine.ClearList();
    // The saved codes come first, so the words' cells take the codes the grid holds.
    engine.Cells.Assign(cellTexts);
    if (header < 0 || end < 0) return 0;
    int rejected = 0;
    for (qsizetype i = header + 1; i < end; ++i) {
        TPlacementLine p;
        if (!ParsePlacementLine(lines[i], p)) {
            ++rejected;
            continue;
        }
        int removed = 0;
        const bool tooLong = p.Text.size() > WordListLineMaxLength;
        p.Text = CleanText(QStringView(p.Text).left(WordListLineMaxLength), &removed);
        // The word stays in the list, only not placed, when its place lies off the grid.
        const bool offGrid = p.Placed == 1 && !FitsTheGrid(grid, engine, p);
        if (offGrid || removed > 0 || tooLong) ++rejected;
        grid.AddPlacedWord(p.Text.toStdU16String(), offGrid ? 0 : p.Placed, p.Column, p.Row, p.Direction, p.Path);
    }
    engine.FinishList();
    return rejected;
}

// The key lines: names, options, size requests and the page format.
void ReadKeys(const TKeyValues& keys, TPuzzle& puzzle, TCorrections& fixes) {
    TPageFormat& format = puzzle.Format;
    puzzle.CreditsName = CheckedLine(keys, "CreatedBy", fixes);
    puzzle.CreditsRecipient = CheckedLine(keys, "CreatedFor", fixes);
    puzzle.CreditsLine = CheckedLine(keys, "CreditsLine", fixes);
    puzzle.Type = {keys.Bool("Option_HiddenMessage"), keys.Bool("Option_CustomClues")};
    format.GridHPosition = CheckedInteger(keys, "GridHPosition", 1, ChoiceOfThree, fixes);
    format.SolutionStyle = CheckedInteger(keys, "SolutionStyle", 0, ChoiceOfThree, fixes);
    format.SolutionColor = CheckedColor(keys, "SolutionColor", NoColor, fixes);
    puzzle.RequestedColumns = CheckedInteger(keys, "RequestedColumns", 0, {0, MaxGridSize}, fixes);
    puzzle.RequestedRows = CheckedInteger(keys, "RequestedRows", 0, {0, MaxGridSize}, fixes);

    for (std::size_t i = 0; i < DirectionKeys.size(); ++i) puzzle.Directions[i] = keys.Bool(DirectionKeys[i]);
    for (std::size_t level = 0; level < SharingLevelNames.size(); ++level)
        if (keys.Bool(SharingLevelNames[level])) puzzle.SharingLevel = int(level);
    puzzle.Capitalization = CapitalizationFromName(keys.Text("Capitalization"));
    puzzle.PackMode = keys.Text("PackMode") == u"Tight" ? TPackMode::Tight : TPackMode::Classic;
    const QString language = keys.Text("Language");
    puzzle.Language = QString::fromStdString(CanonicalLanguageTag(language.left(64).toStdString()));
    if (puzzle.Language.isEmpty() && !language.isEmpty())
        fixes.Note("Language", language, QStringLiteral("detected from the word list"));
    puzzle.Filler = FillerModeFromName(keys.Text("Filler"));

    format.RequestedClueColumns = CheckedInteger(keys, "RequestedClueColumns", 0, {0, 9}, fixes);
    format.ClueTextFont = CheckedFace(keys, "ClueTextFont", fixes);
    format.ClueTextFontSize = CheckedInteger(keys, "ClueTextFontSize", 10, FontSizeRanges[4], fixes);
    // Written by every save, so read back too; a file without them keeps the defaults.
    format.ClueTextFontColor = CheckedColor(keys, "ClueTextFontColor", format.ClueTextFontColor, fixes);
    format.ClueAlignment = CheckedInteger(keys, "ClueAlignment", format.ClueAlignment, ChoiceOfThree, fixes);

    constexpr int DefaultSizes[] = {36, 12, 12, 12, 12, 8};
    for (std::size_t i = 0; i < AllPageElements.size(); ++i) {
        const TPageElement e = AllPageElements[i];
        format.SetFace(e, CheckedFace(keys, FaceKeyOf(e), fixes));
        format.SetFontSize(e, CheckedInteger(keys, SizeKeyOf(e), DefaultSizes[i], FontSizeRanges[i], fixes));
    }
    format.BorderIndex = CheckedInteger(keys, "BorderIndex", 0, {0, 7}, fixes);
    const QString margin = keys.Text("MarginWidth");
    format.MarginWidth = ParseFileReal(margin, 0.75);
    if (format.MarginWidth < 0.0 || format.MarginWidth > MaxMarginInches) {
        format.MarginWidth = std::clamp(format.MarginWidth, 0.0, MaxMarginInches);
        fixes.Note("MarginWidth", margin, FormatFileReal(format.MarginWidth).trimmed());
    }

    // Only 0..2 are states a puzzle can be in; a kept custom text reads as customized.
    const int instructions = keys.Integer("AutoInstructions", 0);
    puzzle.InstructionsMode = instructions == 1 || instructions == 2 ? TInstructionsMode::Customized
                                                                     : TInstructionsMode::Automatic;
}

}  // namespace

QString FormatFileReal(double value) { return QString::number(value, 'f', 3).rightJustified(5, u' '); }

int ParseFileInteger(QStringView text, int fallback) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (i == text.size()) return fallback;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return fallback;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<int>::max() + 1LL) return fallback;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return fallback;
    return int(value);
}

double ParseFileReal(QStringView text, double fallback) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?\s*$)"));
    if (!number.match(text).hasMatch()) return fallback;
    QString plain = text.trimmed().toString();
    plain.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    return ok && std::isfinite(value) ? value : fallback;
}

QString PuzzleNotFoundMessage(const QString& fileName) { return fileName + QStringLiteral(" was not found."); }

QString PuzzleReadErrorMessage(const QString& fileName) {
    return QStringLiteral("A system error occurred while opening file ") + fileName +
           QStringLiteral(".  Your puzzle might not have opened properly. Please check it for "
                          "completeness and consistency, and/or try again.");
}

QString UnknownFormatMessage(const QString& fileName) {
    return fileName + QStringLiteral(" has an unknown file format.");
}

QString InvalidSizeMessage(const QString& fileName) {
    return QStringLiteral("File ") + fileName + QStringLiteral(" contains an invalid puzzle size.");
}

QString NoGridMessage(const QString& fileName) {
    return QStringLiteral("File ") + fileName + QStringLiteral(" contains no GRID section.");
}

QString DamagedGridMessage(const QString& fileName, int row) {
    return QStringLiteral("File ") + fileName + QStringLiteral(" has a damaged GRID section: row ") +
           QString::number(row) + QStringLiteral(" is missing or too short. The rest of the grid was not read.");
}

QString RejectedLinesMessage(const QString& fileName, int count) {
    return fileName + QStringLiteral(" has problems in the word list section(s). ") + QString::number(count) +
           QStringLiteral(" line(s) were rejected.");
}

QString SaveErrorMessage() {
    return QStringLiteral(
        "An error occurred while attempting to save your puzzle. You may wish to check it or try again.");
}

void FormatPuzzleFile(const TPuzzle& model, QStringList& lines) {
    const TPageFormat& format = model.Format;
    const TWordSearch& puzzle = model.Grid();
    const TEngineState& engine = model.Words();

    lines.append(PuzzleFileFormatLine);
    lines.append(KeyLine("CreatedBy", model.CreditsName));
    lines.append(KeyLine("CreatedFor", model.CreditsRecipient));
    lines.append(KeyLine("CreditsLine", model.CreditsLine));
    lines.append(KeyLine("Option_HiddenMessage", model.Type.HiddenMessage));
    lines.append(KeyLine("Option_CustomClues", model.Type.CustomClues));
    lines.append(KeyLine("Constructed", puzzle.Constructed));
    lines.append(KeyLine("GridHPosition", format.GridHPosition));
    lines.append(KeyLine("SolutionStyle", format.SolutionStyle));
    if (format.SolutionColor != NoColor) lines.append(KeyLine("SolutionColor", int(format.SolutionColor)));
    lines.append(KeyLine("RequestedColumns", model.RequestedColumns));
    lines.append(KeyLine("RequestedRows", model.RequestedRows));
    lines.append(KeyLine("ActualColumns", int(puzzle.ActualColumns)));
    lines.append(KeyLine("ActualRows", int(puzzle.ActualRows)));
    lines.append(KeyLine("AutoInstructions", int(model.InstructionsMode)));
    // Written only when a cell holds more than one code point, so other files keep their bytes.
    if (!engine.Cells.Empty()) lines.append(KeyLine("CellTexts", CellTextsValue(engine.Cells)));

    lines.append(QString());
    lines.append(QStringLiteral("[Directions, Sharing & Capitalization]"));
    for (std::size_t i = 0; i < DirectionKeys.size(); ++i) lines.append(KeyLine(DirectionKeys[i], model.Directions[i]));
    for (std::size_t level = 0; level < SharingLevelNames.size(); ++level)
        lines.append(KeyLine(SharingLevelNames[level], model.SharingLevel == int(level)));
    lines.append(KeyLine("Capitalization", CapitalizationName(model.Capitalization)));
    // Written only when it differs from what earlier files meant, so their bytes stay.
    if (model.PackMode == TPackMode::Tight) lines.append(KeyLine("PackMode", QStringLiteral("Tight")));
    if (!model.Language.isEmpty()) lines.append(KeyLine("Language", model.Language));
    if (model.Filler != TFillerMode::Automatic) lines.append(KeyLine("Filler", FillerModeName(model.Filler)));

    lines.append(QString());
    lines.append(QStringLiteral("[Formatting]"));
    for (TPageElement e : AllPageElements) lines.append(KeyLine(FaceKeyOf(e), format.Face(e)));
    for (TPageElement e : AllPageElements) lines.append(KeyLine(SizeKeyOf(e), format.FontSize(e)));
    lines.append(KeyLine("MarginWidth", FormatFileReal(format.MarginWidth)));
    lines.append(KeyLine("BorderIndex", format.BorderIndex));

    lines.append(QString());
    lines.append(QStringLiteral("[Clues and Columns]"));
    lines.append(KeyLine("RequestedClueColumns", format.RequestedClueColumns));
    lines.append(KeyLine("ClueTextFontColor", int(format.ClueTextFontColor)));
    lines.append(KeyLine("ClueAlignment", format.ClueAlignment));

    lines.append(QString());
    lines.append(GridHeader);
    const int columns = std::clamp(int(puzzle.ActualColumns), 0, MaxGridSize);
    const int rows = std::clamp(int(puzzle.ActualRows), 0, MaxGridSize);
    for (int y = 1; y <= rows; ++y) {
        QString row(2 * columns, u' ');
        row[0] = u'\t';
        for (int x = 1; x <= columns; ++x) row[2 * x - 1] = QChar(puzzle.Grid[x][y]);
        lines.append(row);
    }
    lines.append(QStringLiteral("END GRID"));

    AppendTextSection(lines, "REQUESTED WORD LIST:", "END REQUESTED WORD LIST", model.WordLines);

    lines.append(PlacementHeader);
    for (int i = 1; i <= engine.WordCount; ++i) {
        const TWordPlacement& p = puzzle.Placements[i];
        lines.append(QStringLiteral("\t%1 X=%2 Y=%3 D=%4 <%5> \"")
                         .arg(p.Placed ? 1 : 0)
                         .arg(p.Column)
                         .arg(p.Row)
                         .arg(int(p.Direction))
                         .arg(PathText(p.Path)) +
                     QString::fromStdU16String(engine.WordList[i].ItemText) + u'"');
    }
    lines.append(PlacementEnd);

    for (const TTextSection& s : PageTextSections) AppendTextSection(lines, s.Header, s.End, model.*s.Lines);
    if (model.Type.HiddenMessage)
        AppendTextSection(lines, HiddenMessageSection.Header, HiddenMessageSection.End, model.HiddenMessageLines);
    lines.append(QStringLiteral("END."));
}

QByteArray PuzzleFileBytes(const QStringList& lines) { return EncodeWindows1252OrUtf8Bom(JoinLinesCrLf(lines)); }

bool SavePuzzleFile(const TPuzzle& puzzle, const QString& fileName, TReport& report) {
    QStringList lines;
    FormatPuzzleFile(puzzle, lines);
    if (const TWriteResult written = WriteFileAtomically(fileName, PuzzleFileBytes(lines)); !written) {
        report.Add(MessageKind::Warning, SaveErrorMessage() + u'\n' + WriteFailureDetail(fileName, written));
        return false;
    }
    return true;
}

TReadResult<TPuzzle> ReadPuzzleFile(const QString& fileName, const TPuzzle& start) {
    TReadResult<TPuzzle> result;
    QByteArray bytes;
    if (!ReadWholeFileReporting(fileName, bytes, result.Report, PuzzleNotFoundMessage(fileName),
                                PuzzleReadErrorMessage(fileName)))
        return result;
    return ReadPuzzleBytes(bytes, fileName, start);
}

TReadResult<TPuzzle> ReadPuzzleBytes(const QByteArray& bytes, const QString& fileName, const TPuzzle& start) {
    const QStringList lines = SplitLines(DecodePuzzleText(bytes));
    if (lines.isEmpty() || lines.first() != PuzzleFileFormatLine) {
        TReadResult<TPuzzle> refused;
        refused.Report.Add(MessageKind::Information, UnknownFormatMessage(fileName));
        return refused;
    }
    if (const QString problem = StructureProblem(lines); !problem.isEmpty()) {
        TReadResult<TPuzzle> refused;
        refused.Report.Add(MessageKind::Error, DamagedFileMessage(fileName, problem));
        return refused;
    }
    return ReadPuzzleLines(lines, fileName, start);
}

TReadResult<TPuzzle> ReadPuzzleLines(const QStringList& lines, const QString& fileName, const TPuzzle& start) {
    TReadResult<TPuzzle> result;
    TReport& report = result.Report;
    TPuzzle puzzle = start;
    const TKeyValues keys(lines);
    // A cell table that cannot be read would misplace every cell after it: no guessing.
    QString tableProblem;
    const std::vector<std::u16string> cellTexts = ParseCellTexts(keys.Text("CellTexts"), tableProblem);
    if (!tableProblem.isEmpty()) {
        report.Add(MessageKind::Error, DamagedFileMessage(fileName, tableProblem));
        return result;
    }
    TCorrections fixes;
    ReadKeys(keys, puzzle, fixes);

    int rejected = ReadWordList(puzzle, lines);
    int cut = 0;
    for (const TTextSection& s : PageTextSections) cut += ReadTextSection(lines, s, puzzle.*s.Lines);
    puzzle.HiddenMessageLines.clear();
    const bool hiddenSection = puzzle.Type.HiddenMessage &&
                               FindLine(lines, Latin(HiddenMessageSection.Header)) >= 0 &&
                               FindLine(lines, Latin(HiddenMessageSection.End)) >= 0;
    if (hiddenSection) cut += ReadTextSection(lines, HiddenMessageSection, puzzle.HiddenMessageLines);

    // The grid is rebuilt cell by cell under the puzzle's own options, as its build saw them.
    auto words = std::make_unique<TEngineState>();
    ApplyPuzzleOptions(puzzle, words->Settings);
    auto grid = std::make_unique<TWordSearch>(*words);
    grid->Constructed = keys.Bool("Constructed");
    const int columns = keys.Integer("ActualColumns", 15);
    const int rows = keys.Integer("ActualRows", 15);
    if (TWordSearch::IsValidCell(columns, rows)) {
        grid->ActualColumns = columns;
        grid->ActualRows = rows;
    } else {
        report.Add(MessageKind::Error, InvalidSizeMessage(fileName));
    }
    ReadGrid(*grid, lines, fileName, report);
    rejected += ReadPlacements(*grid, lines, cellTexts);
    if (words->DroppedWords > 0) report.Add(MessageKind::Warning, FromWide(DroppedWordsMessage(words->DroppedWords)));
    QStringList problems;
    if (rejected > 0) problems << RejectedLinesMessage(fileName, rejected);
    if (fixes.Total() > 0)
        problems << QStringLiteral("%1 value(s) outside what the program accepts were corrected: %2")
                        .arg(QString::number(fixes.Total()), fixes.Text());
    if (!problems.isEmpty()) report.Add(MessageKind::Warning, problems.join(u'\n'));
    if (cut > 0)
        report.Add(MessageKind::Warning,
                   QStringLiteral("%1 line(s) of the page texts in %2 were longer than %3 characters and were cut there.")
                       .arg(QString::number(cut), fileName, QString::number(WordListLineMaxLength)));
    if (hiddenSection) grid->MarkHiddenMessageCells();
    puzzle.Built = std::make_shared<const TBuiltGrid>(*grid);

    result.Value = std::move(puzzle);
    return result;
}

}  // namespace vorlix
