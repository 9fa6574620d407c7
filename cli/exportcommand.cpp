#include "exportcommand.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include <QString>

#include "arguments.h"
#include "htmlexport.h"
#include "pictureexport.h"
#include "playexport.h"
#include "printjob.h"
#include "puzzledocument.h"
#include "safewrite.h"
#include "session.h"
#include "textexport.h"

namespace vorlix::cli {

namespace {

enum class Format { Html, HtmlFragment, Play, Text, Bmp, Png, Svg, Emf };

constexpr NamedChoice<Format> Formats[] = {
    {"html", Format::Html}, {"html-fragment", Format::HtmlFragment}, {"text", Format::Text}, {"bmp", Format::Bmp},
    {"png", Format::Png},   {"svg", Format::Svg},                    {"emf", Format::Emf},
    {"play", Format::Play},
};

bool IsBitmap(Format f) { return f == Format::Bmp || f == Format::Png; }
bool IsPicture(Format f) { return IsBitmap(f) || f == Format::Svg || f == Format::Emf; }

// The export window's "Include" boxes by name.
enum class Element { Worksheet, Title, Instructions, Grid, List, Solution };
constexpr NamedChoice<Element> Elements[] = {
    {"worksheet", Element::Worksheet}, {"title", Element::Title}, {"instructions", Element::Instructions},
    {"grid", Element::Grid},           {"list", Element::List},   {"solution", Element::Solution},
};

struct ExportOptions {
    std::optional<Format> format;
    bool solution = false;
    std::optional<std::vector<Element>> include;
    std::optional<int> spacing;
    std::optional<int> pixelsPerCell;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<std::string> output;
    bool usePreferences = false;
    bool mystery = false;
    bool help = false;
};

std::vector<Element> ParseInclude(std::string_view option, const std::string& list) {
    std::vector<Element> chosen;
    if (Trim(list).empty()) return chosen;
    std::string_view rest = list;
    while (true) {
        const std::size_t comma = rest.find(',');
        chosen.push_back(ParseChoice<Element>(option, std::string(Trim(rest.substr(0, comma))), Elements));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return chosen;
}

const OptionRule<ExportOptions> ExportOptionTable[] = {
    {"--format", true,
     [](ExportOptions& o, std::string_view n, const std::string& v) { o.format = ParseChoice<Format>(n, v, Formats); }},
    Flag<&ExportOptions::solution>("--solution"),
    {"--include", true,
     [](ExportOptions& o, std::string_view n, const std::string& v) { o.include = ParseInclude(n, v); }},
    {"--spacing", true,
     [](ExportOptions& o, std::string_view n, const std::string& v) {
         o.spacing = static_cast<int>(ParseNumber(n, v, 0, MaxTextLetterSpacing));
     }},
    {"--pixels-per-cell", true,
     [](ExportOptions& o, std::string_view n, const std::string& v) {
         o.pixelsPerCell = static_cast<int>(ParseNumber(n, v, MinPixelsPerCell, MaxGridSidePixels));
     }},
    {"--width", true,
     [](ExportOptions& o, std::string_view n, const std::string& v) {
         o.width = static_cast<int>(ParseNumber(n, v, 1, MaxBitmapSide));
     }},
    {"--height", true,
     [](ExportOptions& o, std::string_view n, const std::string& v) {
         o.height = static_cast<int>(ParseNumber(n, v, 1, MaxBitmapSide));
     }},
    OutputRule<ExportOptions>(),
    Flag<&ExportOptions::usePreferences>("--use-preferences"),
    Flag<&ExportOptions::mystery>("--mystery"),
    Flag<&ExportOptions::help>("--help"),
    Flag<&ExportOptions::help>("-h"),
};

bool Has(const std::vector<Element>& list, Element e) { return std::find(list.begin(), list.end(), e) != list.end(); }

// The boxes as the export window sets them for a puzzle or a solution export.
TExportSections SectionsOf(const ExportOptions& o, bool solution) {
    TExportSections s;
    if (!o.include) {
        s.Grid = !solution;
        s.WordList = !solution;
        s.Solution = solution;
        return s;
    }
    const std::vector<Element>& list = *o.include;
    for (const Element e : list) {
        const bool puzzleOnly = e != Element::Title && e != Element::Solution;
        if (solution && puzzleOnly)
            throw UsageError("a solution export takes only title and solution in --include");
    }
    s.Worksheet = Has(list, Element::Worksheet);
    s.Title = Has(list, Element::Title);
    s.Instructions = Has(list, Element::Instructions);
    s.Grid = Has(list, Element::Grid);
    s.WordList = Has(list, Element::List);
    s.Solution = Has(list, Element::Solution);
    return s;
}

bool NameHasDot(const std::string& name) {
    return std::filesystem::path(name).filename().string().find('.') != std::string::npos;
}

// The picture routines complete a name without a dot with ".BMP" or ".EMF" and choose PNG
// or SVG by the ending alone, so the name and the format must agree before they are called.
std::string PictureFileName(Format format, const std::string& name) {
    switch (format) {
        case Format::Png:
        case Format::Svg: {
            const std::string ending = format == Format::Png ? ".png" : ".svg";
            const std::string completed = NameHasDot(name) ? name : name + ending;
            RequireEnding("-o", completed, ending, format == Format::Png ? "a PNG picture" : "an SVG picture");
            return completed;
        }
        case Format::Bmp:
            if (EndsWithNoCase(name, ".png")) throw UsageError("a BMP picture cannot be named '" + name + "'");
            return NativePathBytes(BitmapExportFileName(PathFromNativeBytes(name))).toStdString();
        case Format::Emf:
            if (EndsWithNoCase(name, ".svg")) throw UsageError("an EMF picture cannot be named '" + name + "'");
            return NativePathBytes(VectorExportFileName(PathFromNativeBytes(name))).toStdString();
        default: return name;
    }
}

void CheckCombinations(const ExportOptions& o) {
    if (!o.format) throw UsageError("export needs --format (html, html-fragment, play, text, bmp, png, svg or emf)");
    if (!o.output) throw UsageError("export needs -o FILE");
    const Format f = *o.format;
    const bool solution = o.solution || (o.include && Has(*o.include, Element::Solution));
    if (solution && !IsPicture(f)) throw UsageError("the solution has no web page or text form; use a picture format");
    if (o.mystery && f != Format::Play) throw UsageError("--mystery is for --format play only");
    if (f == Format::Play && o.include)
        throw UsageError("the interactive page takes no --include; it holds the whole puzzle");
    if (o.spacing && f != Format::Text) throw UsageError("--spacing is for --format text only");
    if ((o.pixelsPerCell || o.width || o.height) && !IsBitmap(f))
        throw UsageError("--pixels-per-cell, --width and --height are for bmp and png only");
    if (o.width.has_value() != o.height.has_value()) throw UsageError("--width and --height go together");
    if (o.width && o.pixelsPerCell) throw UsageError("--pixels-per-cell only suggests a size; drop it with --width");
    if (*o.output == "-" && IsPicture(f)) throw UsageError("pictures are written to a file, not to standard output");
    if (IsPicture(f) && o.include && o.include->empty())
        throw UsageError("--include names nothing to draw");
}

// As the spin button allows: up to its limit for the grid, or the start value.
void CheckPixelsPerCell(int pixelsPerCell, const TWordSearch& puzzle) {
    const int most = std::max(StartPixelsPerCell, MaxPixelsPerCell(puzzle.ActualColumns, puzzle.ActualRows));
    if (pixelsPerCell > most)
        throw UsageError("--pixels-per-cell " + std::to_string(pixelsPerCell) + " is too large for a " +
                         std::to_string(puzzle.ActualColumns) + " x " + std::to_string(puzzle.ActualRows) +
                         " grid (at most " + std::to_string(most) + ")");
}

}  // namespace

std::string ExportCommand::Help() const {
    return "Usage: vorlix-cli export FILE.ws --format FORMAT [OPTIONS...] -o OUT\n"
           "\n"
           "Opens a puzzle file and exports it as the desktop program's export window does.\n"
           "\n"
           "Formats:\n"
           "  html                a complete web page          html-fragment  the page's HTML only\n"
           "  play                an interactive web page a pupil solves in a browser, offline\n"
           "  text                plain text (UTF-8)\n"
           "  bmp, png            a bitmap picture             svg, emf       a vector picture\n"
           "\n"
           "Options:\n"
           "  --solution          a picture of the solution instead of the puzzle\n"
           "  --include LIST      what goes in, from worksheet, title, instructions, grid, list\n"
           "                      (a solution takes title and solution); default grid,list or,\n"
           "                      with --solution, solution\n"
           "  --spacing N         text: blanks between two letters of a row, 0..3 (default 2)\n"
           "  --pixels-per-cell N bitmaps: the size is suggested from N pixels per grid cell,\n"
           "                      " + std::to_string(MinPixelsPerCell) + " and up (default " +
           std::to_string(StartPixelsPerCell) + "), each side held to " + std::to_string(MinSuggestedSide) + ".." +
           std::to_string(MaxSuggestedSide) + "\n"
           "  --width W --height H  bitmaps: the size in pixels instead, 1..10000 each\n"
           "  -o OUT              the file; '-' writes html, html-fragment and text to standard\n"
           "                      output. A picture name without a dot gets .BMP, .png, .svg or\n"
           "                      .EMF appended; the name written is printed.\n"
           "  --mystery           play: the word list stays hidden; words appear as they are found\n"
           "  --use-preferences   what the file leaves out comes from the stored preferences\n"
           "  -h, --help          show this text\n";
}

int ExportCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    ExportOptions options;
    const auto files = ParseCommandArguments<ExportOptions>(*this, arguments, ExportOptionTable, options, io.out);
    if (!files) return ExitSuccess;
    const std::string& file = OnePuzzleFile(Name(), *files);
    CheckCombinations(options);
    const Format format = *options.format;
    const bool solution = options.solution || (options.include && Has(*options.include, Element::Solution));
    const TExportSections sections = SectionsOf(options, solution);
    const std::string output = PictureFileName(format, *options.output);

    std::optional<GuiApplication> gui;
    if (IsPicture(format)) gui.emplace();
    PuzzleSession session(io.err, options.usePreferences);
    if (!session.Open(file, io.in)) return ExitFailure;
    const TPuzzle& puzzle = session.Puzzle();
    IMessageHost& host = session.Host();
    const QString name = PathFromNativeBytes(output);

    if (!IsPicture(format)) {
        QByteArray bytes;
        if (format == Format::Play)
            bytes = PlayPageBytes(puzzle, TPlayOptions{options.mystery});
        else if (format == Format::Text)
            bytes = TextExportBytes(TextExportLines(puzzle, sections, options.spacing.value_or(DefaultTextLetterSpacing)));
        else
            bytes = HtmlBytes(format == Format::Html ? HtmlPageLines(puzzle, sections) : HtmlFragmentLines(puzzle, sections));
        if (output == "-") {
            io.out.write(bytes.constData(), bytes.size());
            return ExitSuccess;
        }
        if (!SaveExportFile(name, [&](QIODevice& out) { return WriteAllBytes(out, bytes); }, host)) return ExitFailure;
        io.out << DisplayPath(name).toUtf8().toStdString() << '\n';
        return ExitSuccess;
    }

    if (format == Format::Emf && !TAsCanvas::EmfAvailable()) {
        io.err << ProgramName << ": this build cannot write EMF pictures\n";
        return ExitFailure;
    }
    TPuzzleDocument document(puzzle);
    // The page is laid out for the default printer's paper, as in the desktop program.
    RefreshPrinter(document);
    QString written;
    bool saved = false;
    if (IsBitmap(format)) {
        int width = options.width.value_or(0);
        int height = options.height.value_or(0);
        if (!options.width) {
            const int pixelsPerCell = options.pixelsPerCell.value_or(StartPixelsPerCell);
            CheckPixelsPerCell(pixelsPerCell, puzzle.Grid());
            const TBitmapSize size = SuggestBitmapSize(document, sections, solution, pixelsPerCell);
            width = size.Width;
            height = size.Height;
        }
        saved = SaveBitmapPicture(name, document, sections, solution, width, height, host, &written);
    } else {
        saved = SaveVectorPicture(name, document, sections, solution, host, &written);
    }
    if (!saved) return ExitFailure;
    io.out << DisplayPath(written).toUtf8().toStdString() << '\n';
    return ExitSuccess;
}

}  // namespace vorlix::cli
