#include "printcommand.h"

#include <array>
#include <optional>
#include <ostream>

#include <QPrinterInfo>
#include <QString>

#include "arguments.h"
#include "printjob.h"
#include "puzzledocument.h"
#include "safewrite.h"
#include "session.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

constexpr int AllUniqueForms = 0;

struct PrintOptions {
    int copies = 1;
    int forms = 1;  // AllUniqueForms: every copy a new puzzle
    TSolutionSheets solutions = TSolutionSheets::One;
    std::optional<std::string> paper;
    std::optional<std::string> printer;
    std::optional<std::string> output;
    bool usePreferences = false;
    std::optional<int> accidental;
    bool help = false;
};

constexpr NamedChoice<TSolutionSheets> SolutionChoices[] = {
    {"none", TSolutionSheets::None},
    {"one", TSolutionSheets::One},
    {"many", TSolutionSheets::Many},
};

// "letter, legal or a4"
std::string PaperNames() {
    std::string names;
    for (const TPaper& paper : Papers)
        names += (names.empty() ? "" : &paper == &Papers.back() ? " or " : ", ") + std::string(paper.Name);
    return names;
}

constexpr auto PaperChoices = [] {
    std::array<NamedChoice<std::string_view>, Papers.size()> choices{};
    for (std::size_t i = 0; i < Papers.size(); ++i) choices[i] = {Papers[i].Name, Papers[i].Name};
    return choices;
}();

const OptionRule<PrintOptions> PrintOptionTable[] = {
    {"--copies", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         o.copies = static_cast<int>(ParseNumber(n, v, 1, MaxPrintQuantity));
     }},
    {"--forms", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         o.forms = Upper(v) == "UNIQUE" ? AllUniqueForms : static_cast<int>(ParseNumber(n, v, 1, MaxVariations));
     }},
    {"--solutions", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         o.solutions = ParseChoice<TSolutionSheets>(n, v, SolutionChoices);
     }},
    {"--paper", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         o.paper = std::string(ParseChoice<std::string_view>(n, v, PaperChoices));
     }},
    {"--printer", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         if (v.empty()) throw UsageError("option '" + std::string(n) + "' needs a printer name");
         o.printer = v;
     }},
    {"-o", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         RequireEnding(n, v, ".pdf", "a PDF file");
         o.output = v;
     }},
    Flag<&PrintOptions::usePreferences>("--use-preferences"),
    AccidentalRule<PrintOptions>(),
    Flag<&PrintOptions::help>("--help"),
    Flag<&PrintOptions::help>("-h"),
};

// Each line of the message is one line on standard error, as ConsoleMessageHost writes it.
int Report(CommandIo& io, const std::string& message) {
    for (const QString& line : SplitLines(QString::fromStdU16String(Utf8Text(message))))
        io.err << ProgramName << ": " << Utf8Bytes(TerminalSafe(line.toStdU16String())) << '\n';
    return ExitFailure;
}

}  // namespace

std::string PrintCommand::Help() const {
    return "Usage: vorlix-cli print FILE.ws [OPTIONS...]\n"
           "\n"
           "Opens a puzzle file and prints it as the desktop program's print page does: on the\n"
           "default printer, on a named one, or into a PDF file.\n"
           "\n"
           "Options:\n"
           "  --copies Q          copies, 1..1000 (default 1)\n"
           "  --forms U           1..8 variations of the grid, turned and mirrored, or 'unique'\n"
           "                      for a newly built puzzle on every copy (default 1)\n"
           "  --solutions WHICH   none, one (one sheet per form, the default) or many (one per\n"
           "                      copy); unique puzzles are each followed by their own solution\n"
           "  --paper NAME        " + PaperNames() + " (default: " + std::string(Papers.front().Name) +
           " for a PDF, the printer's\n"
           "                      own paper for a printer)\n"
           "  --printer NAME      this printer instead of the default one\n"
           "  -o OUT.pdf          print into a PDF file instead of on a printer\n"
           "  --use-preferences   what the file leaves out comes from the stored preferences\n" +
           std::string(AccidentalHelp) +
           "                      (of the variations and unique puzzles)\n"
           "  -h, --help          show this text\n";
}

int PrintCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    PrintOptions options;
    const auto files = ParseCommandArguments<PrintOptions>(*this, arguments, PrintOptionTable, options, io.out);
    if (!files) return ExitSuccess;
    const std::string& file = OnePuzzleFile(Name(), *files);
    if (options.printer && options.output) throw UsageError("--printer and -o cannot be used together");

    GuiApplication gui;
    if (options.printer && !QPrinterInfo::availablePrinterNames().contains(QString::fromLocal8Bit(*options.printer)))
        throw UsageError("there is no printer named '" + *options.printer + "'");
    PuzzleSession session(io.err, options.usePreferences, options.accidental);
    if (!session.Open(file, io.in)) return ExitFailure;

    TPrintOptions job;
    job.Quantity = options.copies;
    job.AllUnique = options.forms == AllUniqueForms;
    job.Forms = job.AllUnique ? options.copies : options.forms;
    job.Solutions = options.solutions;

    TPuzzleDocument document(session.Puzzle());
    // The PDF sink writes a temporary beside the file and replaces the file only when the
    // job ended well; a failed run leaves any earlier file as it was.
    std::unique_ptr<ISheetSink> sink;
    if (options.output) {
        const QString paper = options.paper ? QString::fromStdString(*options.paper) : DefaultPaperName();
        sink = std::make_unique<TPdfSheetSink>(PathFromNativeBytes(*options.output), paper);
    } else {
        sink = std::make_unique<TPrinterSheetSink>(QString::fromLocal8Bit(options.printer.value_or("")),
                                                   QString::fromStdString(options.paper.value_or("")));
    }

    TPrintJob print(document, *sink);
    TReport report;
    const TPrintOutcome outcome = print.Run(job, session.Builder(), report);
    session.Print(report);
    switch (outcome) {
        case TPrintOutcome::Printed: break;
        case TPrintOutcome::NoPrinter: return ExitFailure;  // the job has said so
        default: {
            const QString why = print.ErrorText();
            return Report(io, why.isEmpty() ? std::string("printing failed") : why.toLocal8Bit().toStdString());
        }
    }
    return ExitSuccess;
}

}  // namespace vorlix::cli
