#include "puzzlefile.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

#include "capitalization.h"
#include "puzzlebuilder.h"
#include "textcodec.h"

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

// The lines strictly between the first header and the first end line; none when either
// is missing.
std::pair<qsizetype, qsizetype> SectionRange(const QStringList& lines, const QString& header, const QString& end) {
    const qsizetype first = FindLine(lines, header);
    const qsizetype last = FindLine(lines, end);
    if (first < 0 || last < 0) return {0, 0};
    return {first + 1, std::max(first + 1, last)};
}

void ReadTextSection(const QStringList& lines, const TTextSection& section, QStringList& text) {
    text.clear();
    const auto [from, to] = SectionRange(lines, Latin(section.Header), Latin(section.End));
    for (qsizetype i = from; i < to; ++i)
        if (lines[i].startsWith(u'\t')) text.append(lines[i].mid(1));
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

// Grid rows from the line after "GRID:"; a missing or short row ends the grid.
void ReadGrid(TWordSearch& grid, const QStringList& lines, const QString& fileName, TReport& report) {
    const qsizetype header = FindLine(lines, GridHeader);
    if (header < 0) {
        report.Add(MessageKind::Error, NoGridMessage(fileName));
        return;
    }
    for (int y = 1; y <= grid.ActualRows; ++y) {
        const qsizetype at = header + y;
        if (at >= lines.size() || lines[at].size() < 2 * qsizetype(grid.ActualColumns)) {
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
        if (lines[i].startsWith(u'\t'))
            puzzle.WordLines.append(lines[i].mid(1));
        else
            ++rejected;
    }
    return rejected;
}

int ReadPlacements(TWordSearch& grid, const QStringList& lines) {
    const qsizetype header = FindLine(lines, PlacementHeader);
    const qsizetype end = FindLine(lines, PlacementEnd);
    if (header < 0 || end < 0) return 0;
    TEngineState& engine = grid.State();
    engine.ClearList();
    int rejected = 0;
    for (qsizetype i = header + 1; i < end; ++i) {
        TPlacementLine p;
        if (!ParsePlacementLine(lines[i], p)) {
            ++rejected;
            continue;
        }
        grid.AddPlacedWord(p.Text.toStdU16String(), p.Placed, p.Column, p.Row, p.Direction, p.Path);
    }
    engine.FinishList();
    return rejected;
}

// The key lines: names, options, size requests and the page format.
void ReadKeys(const TKeyValues& keys, TPuzzle& puzzle) {
    TPageFormat& format = puzzle.Format;
    puzzle.CreditsName = keys.Text("CreatedBy");
    puzzle.CreditsRecipient = keys.Text("CreatedFor");
    puzzle.CreditsLine = keys.Text("CreditsLine");
    puzzle.Type = {keys.Bool("Option_HiddenMessage"), keys.Bool("Option_CustomClues")};
    format.GridHPosition = keys.Integer("GridHPosition", 1);
    format.SolutionStyle = keys.Integer("SolutionStyle", 0);
    format.SolutionColor = keys.Integer("SolutionColor", NoColor);
    puzzle.RequestedColumns = keys.Integer("RequestedColumns", 0);
    puzzle.RequestedRows = keys.Integer("RequestedRows", 0);

    for (std::size_t i = 0; i < DirectionKeys.size(); ++i) puzzle.Directions[i] = keys.Bool(DirectionKeys[i]);
    for (std::size_t level = 0; level < SharingLevelNames.size(); ++level)
        if (keys.Bool(SharingLevelNames[level])) puzzle.SharingLevel = int(level);
    puzzle.Capitalization = CapitalizationFromName(keys.Text("Capitalization"));

    format.RequestedClueColumns = keys.Integer("RequestedClueColumns", 0);
    format.ClueTextFont = keys.Text("ClueTextFont");
    format.ClueTextFontSize = keys.Integer("ClueTextFontSize", 10);
    // Written by every save, so read back too; a file without them keeps the defaults.
    format.ClueTextFontColor = keys.Integer("ClueTextFontColor", format.ClueTextFontColor);
    format.ClueAlignment = keys.Integer("ClueAlignment", format.ClueAlignment);

    constexpr int DefaultSizes[] = {36, 12, 12, 12, 12, 8};
    for (std::size_t i = 0; i < AllPageElements.size(); ++i) {
        const TPageElement e = AllPageElements[i];
        format.SetFace(e, keys.Text(FaceKeyOf(e)));
        format.SetFontSize(e, keys.Integer(SizeKeyOf(e), DefaultSizes[i]));
    }
    format.BorderIndex = keys.Integer("BorderIndex", 0);
    format.MarginWidth = ParseFileReal(keys.Text("MarginWidth"), 0.75);

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

    lines.append(QString());
    lines.append(QStringLiteral("[Directions, Sharing & Capitalization]"));
    for (std::size_t i = 0; i < DirectionKeys.size(); ++i) lines.append(KeyLine(DirectionKeys[i], model.Directions[i]));
    for (std::size_t level = 0; level < SharingLevelNames.size(); ++level)
        lines.append(KeyLine(SharingLevelNames[level], model.SharingLevel == int(level)));
    lines.append(KeyLine("Capitalization", CapitalizationName(model.Capitalization)));

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
    if (!WriteFileSafely(fileName, PuzzleFileBytes(lines))) {
        report.Add(MessageKind::Warning, SaveErrorMessage());
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
    return ReadPuzzleLines(lines, fileName, start);
}

TReadResult<TPuzzle> ReadPuzzleLines(const QStringList& lines, const QString& fileName, const TPuzzle& start) {
    TReadResult<TPuzzle> result;
    TReport& report = result.Report;
    TPuzzle puzzle = start;
    const TKeyValues keys(lines);
    ReadKeys(keys, puzzle);

    int rejected = ReadWordList(puzzle, lines);
    for (const TTextSection& s : PageTextSections) ReadTextSection(lines, s, puzzle.*s.Lines);
    puzzle.HiddenMessageLines.clear();
    const bool hiddenSection = puzzle.Type.HiddenMessage &&
                               FindLine(lines, Latin(HiddenMessageSection.Header)) >= 0 &&
                               FindLine(lines, Latin(HiddenMessageSection.End)) >= 0;
    if (hiddenSection) ReadTextSection(lines, HiddenMessageSection, puzzle.HiddenMessageLines);

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
    rejected += ReadPlacements(*grid, lines);
    if (rejected > 0) report.Add(MessageKind::Warning, RejectedLinesMessage(fileName, rejected));
    if (hiddenSection) grid->MarkHiddenMessageCells();
    puzzle.Built = std::make_shared<const TBuiltGrid>(*grid);

    result.Value = std::move(puzzle);
    return result;
}

}  // namespace vorlix
