// The print page: its quantity and forms checks, the solution caption, printer selection,
// and whole runs driven from the page into PDF files, including a cancelled one.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>

#include "desktopfit.h"
#include "printchoices.h"
#include "printpage.h"
#include "puzzledocument.h"
#include "shellfixture.h"

namespace vorlix::shell::test {
namespace {

// Page objects of a PDF (not the "/Type /Pages" tree node).
int PdfPageCount(const QByteArray& pdf) {
    int n = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
        const char next = at + 11 < pdf.size() ? pdf[at + 11] : ' ';
        if (next != 's') ++n;
    }
    return n;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PrintPageChoicesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        Model().SetWordLines({"sun", "moon", "star", "comet", "planet", "orbit"});
        Main().CreatePuzzle();
        Main().TurnPage(QStringLiteral("Print"));
        Process();
    }
    TPrintPage& Page() { return *Main().PageOf<TPrintPage>(); }
    QComboBox* Quantity() { return Find<QComboBox>(QStringLiteral("Print_QuantityCmBx")); }
    QComboBox* Uniques() { return Find<QComboBox>(QStringLiteral("Print_UniquesCmBx")); }
    void TypeQuantity(const QString& text) {
        Quantity()->setEditText(text);
        Process(1);
    }
    QColor QuantityColor() { return Quantity()->lineEdit()->palette().color(QPalette::Text); }
    void Choose(const char* radio) { Click(QString::fromLatin1(radio)); }
    // Chooses the options, then "Save as PDF" into path.
    void SaveAsPdf(const QString& path) {
        files.Answers = {path};
        Click(QStringLiteral("Print_PdfBtn"));
    }
    // The hidden words' letters in place; filler is laid afresh by every grid variant.
    QString Grid() const {
        QString letters;
        const TWordSearch& p = Model().Puzzle().Grid();
        for (int r = 1; r <= p.ActualRows; ++r)
            for (int c = 1; c <= p.ActualColumns; ++c) letters += p.SolutionFlags[c][r] ? QChar(p.Grid[c][r]) : u'.';
        return letters;
    }
};

// Whole numbers 1..1000 are quantities; anything else turns red and changes nothing.
TEST_F(PrintPageChoicesTest, QuantityTextIsCheckedAsTyped) {
    struct Row {
        const char* Text;
        bool Valid;
    };
    const Row rows[] = {{"5", true},   {"1000", true}, {"abc", false}, {"0", false},
                        {"1001", false}, {"-3", false}, {"", false},    {" 7", false}};
    TypeQuantity(QStringLiteral("12"));
    for (const Row& row : rows) {
        const QString before = Uniques()->itemText(AllUniqueItemIndex);
        TypeQuantity(QString::fromLatin1(row.Text));
        if (row.Valid) {
            EXPECT_NE(QuantityColor(), WarningText) << row.Text;
            EXPECT_EQ(Uniques()->itemText(AllUniqueItemIndex), UniqueItemText(QString::fromLatin1(row.Text).toInt()));
        } else {
            EXPECT_EQ(QuantityColor(), WarningText) << row.Text;
            EXPECT_EQ(Uniques()->itemText(AllUniqueItemIndex), before) << row.Text;
        }
    }
    // The quantity a run uses when the text is no number is 1.
    TypeQuantity(QStringLiteral("abc"));
    EXPECT_EQ(Page().Options().Quantity, 1);
}

// The ninth item is renamed after the quantity, stays chosen, and means one form per copy.
TEST_F(PrintPageChoicesTest, NinthItemFollowsTheQuantity) {
    EXPECT_EQ(Uniques()->itemText(AllUniqueItemIndex), AllUniqueItemText);
    Uniques()->setCurrentIndex(AllUniqueItemIndex);
    TypeQuantity(QStringLiteral("25"));
    EXPECT_EQ(Uniques()->currentIndex(), AllUniqueItemIndex);
    EXPECT_EQ(Uniques()->currentText(), QStringLiteral("25 (All puzzles are unique.)"));
    const TPrintOptions o = Page().Options();
    EXPECT_TRUE(o.AllUnique);
    EXPECT_EQ(o.Forms, 25);
    EXPECT_EQ(Quantity()->currentText(), QStringLiteral("25"));  // the typed text is left alone
}

// The one-solution caption says "a solution" for one form and "a set" for several.
TEST_F(PrintPageChoicesTest, OneSolutionCaptionFollowsTheForms) {
    auto* one = Find<QRadioButton>(QStringLiteral("Print_OneSolutionRB"));
    EXPECT_TRUE(one->isChecked());  // the default
    EXPECT_EQ(one->text(), QStringLiteral("Print a solution for me."));
    Uniques()->setCurrentIndex(2);
    EXPECT_EQ(one->text(), QStringLiteral("Print a set of solutions for me."));
    EXPECT_EQ(Page().Options().Forms, 3);
    Uniques()->setCurrentIndex(0);
    EXPECT_EQ(one->text(), QStringLiteral("Print a solution for me."));
    EXPECT_EQ(Find<QRadioButton>(QStringLiteral("Print_NoSolutionsRB"))->text(), NoSolutionsCaption);
    EXPECT_EQ(Find<QRadioButton>(QStringLiteral("Print_ManySolutionsRB"))->text(), ManySolutionsCaption);
}

// Runs from the page put exactly the planned sheets into the PDF and leave the puzzle as it was,
// all-unique runs too.
TEST_F(PrintPageChoicesTest, RunsFromThePageIntoPdf) {
    struct Row {
        const char* Quantity;
        int Uniques;  // item index
        const char* Solutions;
        int Sheets;
    };
    const Row rows[] = {
        {"5", 1, "Print_OneSolutionRB", 7},    // 5 puzzles, solutions for forms 0 and 1
        {"3", 0, "Print_ManySolutionsRB", 6},  // 3 puzzles, 3 solutions
        {"4", 8, "Print_OneSolutionRB", 8},    // 4 unique puzzles, each with its solution
        {"abc", 0, "Print_NoSolutionsRB", 1},  // no number: one copy
    };
    int n = 0;
    for (const Row& row : rows) {
        TypeQuantity(QString::fromLatin1(row.Quantity));
        Uniques()->setCurrentIndex(row.Uniques);
        Choose(row.Solutions);
        const QString grid = Grid();
        Model().SetModified(false);
        const QString path = TempPath(QStringLiteral("run%1.pdf").arg(n++));
        SaveAsPdf(path);
        EXPECT_EQ(PdfPageCount(ReadAll(path)), row.Sheets) << row.Quantity;
        EXPECT_EQ(Page().LastSheetCount(), row.Sheets) << row.Quantity;
        EXPECT_EQ(Grid(), grid) << row.Quantity << ": the copies are built beside the puzzle";
        EXPECT_FALSE(Model().IsModified()) << row.Quantity;
        EXPECT_FALSE(Find(QStringLiteral("Print_ProgressPnl"))->isVisible());
        EXPECT_TRUE(Find(QStringLiteral("Print_PdfBtn"))->isEnabled());
    }
    ASSERT_FALSE(files.Requests.empty());
    EXPECT_EQ(files.Requests.back().DefaultSuffix, QStringLiteral("pdf"));
}

// Cancel during a run stops it and leaves an existing PDF exactly as it was, with no temporary.
TEST_F(PrintPageChoicesTest, CancelKeepsTheEarlierFile) {
    const QString path = TempPath(QStringLiteral("sheets.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the earlier sheets");
    }
    TypeQuantity(QStringLiteral("40"));
    Uniques()->setCurrentIndex(3);
    Choose("Print_ManySolutionsRB");
    const QString grid = Grid();
    bool progressShown = false;
    // The click arrives through the event loop while the job runs, as a user's would.
    QTimer::singleShot(0, &Page(), [this, &progressShown] {
        progressShown = Find(QStringLiteral("Print_CancelBtn"))->isVisible();
        Click(QStringLiteral("Print_CancelBtn"));
    });
    SaveAsPdf(path);
    EXPECT_TRUE(progressShown);
    EXPECT_LT(Page().LastSheetCount(), 80);
    EXPECT_EQ(ReadAll(path), QByteArray("the earlier sheets"));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("sheets.pdf*")}, QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(Grid(), grid);
    EXPECT_FALSE(Find(QStringLiteral("Print_ProgressPnl"))->isVisible());
}

// Without a printer, Print Now says so and the page offers the PDF beside the notice.
TEST_F(PrintPageChoicesTest, NoPrinterOffersThePdf) {
    printers.Installed = false;
    Page().Enter();
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Print_NoPrinterLbl"))->text(), NoPrinterText);
    const size_t shown = messages.Messages.size();
    Click(QStringLiteral("Print_NowBtn"));
    ASSERT_EQ(messages.Messages.size(), shown + 1);
    EXPECT_EQ(messages.Messages.back().Text, NoPrinterText);

    printers.Installed = true;
    Page().Enter();
    EXPECT_NE(Find<QLabel>(QStringLiteral("Print_NoPrinterLbl"))->text(), NoPrinterText);
}

// "Select Printer" opens the set-up dialog; a chosen paper reaches the document's layout.
TEST_F(PrintPageChoicesTest, SelectPrinterTakesTheChosenPaper) {
    printers.Installed = true;
    printers.Answers.push_back(nullptr);  // cancelled: nothing changes
    const PrinterPageMetrics before = Main().Document().PrinterMetrics();
    Click(QStringLiteral("Print_SelectPrinterBtn"));
    EXPECT_EQ(printers.SetupsShown, 1);
    EXPECT_EQ(Main().Document().PrinterMetrics(), before);

    printers.Answers.push_back([](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);  // no real printer on a test machine
        p.setPageSize(QPageSize(QPageSize::Legal));
        return true;
    });
    Click(QStringLiteral("Print_SelectPrinterBtn"));
    EXPECT_EQ(printers.SetupsShown, 2);
    EXPECT_NEAR(Main().Document().PrinterMetrics().PageHeight, 14.0, 0.02);
    EXPECT_EQ(Main().Document().WordListPage(), 1);
}

}  // namespace
}  // namespace vorlix::shell::test
