#include "printcommand.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include <QPrinterInfo>
#include <QString>
#include <QTemporaryFile>

#include "arguments.h"
#include "printjob.h"
#include "puzzledocument.h"
#include "session.h"
#include "sheetdiagram.h"

namespace vorlix::cli {

namespace {

constexpr int AllUniqueForms = 0;

struct PrintOptions {
    int copies = 1;
    int forms = 1;  // AllUniqueForms: every copy a new puzzle
    TSolutionChoice solutions = TSolutionChoice::Print_OneSolutionRB;
    std::optional<std::string> paper;
    std::optional<std::string> printer;
    std::optional<std::string> output;
    bool usePreferences = false;
    bool help = false;
};

constexpr NamedChoice<TSolutionChoice> SolutionChoices[] = {
    {"none", TSolutionChoice::Print_NoSolutionsRB},
    {"one", TSolutionChoice::Print_OneSolutionRB},
    {"many", TSolutionChoice::Print_ManySolutionsRB},
};

constexpr NamedChoice<std::string_view> Papers[] = {{"letter", "letter"}, {"legal", "legal"}, {"a4", "a4"}};

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
         o.solutions = ParseChoice<TSolutionChoice>(n, v, SolutionChoices);
     }},
    {"--paper", true,
     [](PrintOptions& o, std::string_view n, const std::string& v) {
         o.paper = std::string(ParseChoice<std::string_view>(n, v, Papers));
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
    {"--use-preferences", false, [](PrintOptions& o, std::string_view, const std::string&) { o.usePreferences = true; }},
    {"--help", false, [](PrintOptions& o, std::string_view, const std::string&) { o.help = true; }},
    {"-h", false, [](PrintOptions& o, std::string_view, const std::string&) { o.help = true; }},
};

// The sheets go to a temporary beside the PDF, which replaces it only when the job ended
// well; a failed run leaves any earlier file as it was.
class PdfTarget {
public:
    explicit PdfTarget(const std::string& path) : path_(path) {
        const std::filesystem::path target(path);
        const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
        temp_.setFileTemplate(QString::fromLocal8Bit((folder / ".vorlix-print-XXXXXX.pdf").string()));
        ok_ = temp_.open();
        if (ok_) temp_.close();
    }
    bool Reserved() const { return ok_; }
    QString TempName() const { return temp_.fileName(); }
    bool Commit() {
        std::error_code error;
        std::filesystem::rename(temp_.fileName().toLocal8Bit().toStdString(), path_, error);
        if (error) return false;
        temp_.setAutoRemove(false);
        // The temporary was private to the user; the PDF gets the usual permissions.
        const mode_t mask = umask(0);
        umask(mask);
        chmod(path_.c_str(), 0666 & ~mask);
        return true;
    }

private:
    std::string path_;
    QTemporaryFile temp_;
    bool ok_ = false;
};

int Report(CommandIo& io, const std::string& message) {
    io.err << ProgramName << ": " << message << '\n';
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
           "  --paper NAME        letter, legal or a4 (default: letter for a PDF, the printer's\n"
           "                      own paper for a printer)\n"
           "  --printer NAME      this printer instead of the default one\n"
           "  -o OUT.pdf          print into a PDF file instead of on a printer\n"
           "  --use-preferences   what the file leaves out comes from the stored preferences\n"
           "  -h, --help          show this text\n";
}

int PrintCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    PrintOptions options;
    const std::vector<std::string> files = ParseArguments<PrintOptions>(arguments, PrintOptionTable, "print", options);
    if (options.help) {
        io.out << Help();
        return ExitSuccess;
    }
    if (files.size() != 1) throw UsageError("print takes exactly one puzzle file");
    if (options.printer && options.output) throw UsageError("--printer and -o cannot be used together");

    GuiApplication gui;
    if (options.printer && !QPrinterInfo::availablePrinterNames().contains(QString::fromLocal8Bit(*options.printer)))
        throw UsageError("there is no printer named '" + *options.printer + "'");
    PuzzleSession session(io.err, options.usePreferences);
    if (!session.Open(files.front(), io.in)) return ExitFailure;
    TPuzzleModel& model = session.Model();

    TPrintOptions job;
    job.Quantity = options.copies;
    job.AllUnique = options.forms == AllUniqueForms;
    job.Forms = job.AllUnique ? options.copies : options.forms;
    job.Solutions = options.solutions;
    // The print page's diagram reshuffles its colours before an all-unique run; the puzzles
    // built for the copies go on from there, so the same file prints the same puzzles.
    if (job.AllUnique) UniquePalette(model.Engine());

    TPuzzleDocument document(model);
    std::optional<PdfTarget> pdf;
    std::unique_ptr<ISheetSink> sink;
    if (options.output) {
        pdf.emplace(*options.output);
        if (!pdf->Reserved()) return Report(io, "cannot write '" + *options.output + "'");
        sink = std::make_unique<TPdfSheetSink>(pdf->TempName(), QString::fromStdString(options.paper.value_or("letter")));
    } else {
        sink = std::make_unique<TPrinterSheetSink>(QString::fromLocal8Bit(options.printer.value_or("")),
                                                   QString::fromStdString(options.paper.value_or("")));
    }

    TPrintJob print(document, *sink);
    switch (print.Run(job)) {
        case TPrintOutcome::Printed: break;
        case TPrintOutcome::NoPrinter: return ExitFailure;  // the job has said so
        default: {
            const QString why = print.ErrorText();
            return Report(io, why.isEmpty() ? std::string("printing failed") : why.toLocal8Bit().toStdString());
        }
    }
    if (pdf && !pdf->Commit()) return Report(io, "cannot write '" + *options.output + "'");
    return ExitSuccess;
}

}  // namespace vorlix::cli
