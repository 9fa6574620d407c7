#include "printpage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "printjob.h"
#include "puzzledocument.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

TPrintOptions OneCopyWithSolution() {
    TPrintOptions options;
    options.Quantity = 1;
    options.Forms = 1;
    options.Solutions = TSolutionChoice::Print_OneSolutionRB;
    return options;
}

}  // namespace

TPrintPage::TPrintPage(TWebFm& main)
    : TPage(main, QStringLiteral("Print"), QStringLiteral("Print_Bnr"), QStringLiteral("Print")) {
    MakeText(QStringLiteral("Print_IntroLbl"),
             QStringLiteral("Print the puzzle on one sheet and its solution on a second sheet. No printer? Save both "
                            "sheets as a PDF file and print or share it later."),
             Body());
    auto* row = new QHBoxLayout();
    MakeButton(QStringLiteral("Print_NowBtn"), QStringLiteral("&Print Now"), [this] { PrintNow(); }, row);
    MakeButton(QStringLiteral("Print_PdfBtn"), QStringLiteral("Save as PDF"), [this] { SaveAsPdf(); }, row);
    row->addStretch(1);
    Body()->addLayout(row);
    MakeContinueButton(QStringLiteral("Print_ContinueBtn"), Body());
    Body()->addStretch(1);
}

void TPrintPage::Enter() {
    if (auto* b = findChild<QPushButton*>(QStringLiteral("Print_NowBtn")); b && b->isVisible()) b->setFocus();
}

TPrintOutcome TPrintPage::RunJob(ISheetSink& sink, QString& error) {
    TPrintJob job(Main().Document(), sink);
    TPrintOutcome outcome;
    {
        const TBusyCursor busy;
        outcome = job.Run(OneCopyWithSolution());
    }
    // The job laid the pages out for its own paper; the previews follow the printer again.
    RefreshPrinter(Main().Document());
    Main().RefreshPuzzleViews();
    error = job.ErrorText();
    return outcome;
}

bool TPrintPage::PrintNow() {
    TPrinterSheetSink sink;
    QString error;
    return RunJob(sink, error) == TPrintOutcome::Printed;
}

bool TPrintPage::SaveAsPdf() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Save as PDF");
    request.Filter = QStringLiteral("PDF files (*.pdf)|*.pdf|All files (*.*)|*.*");
    request.DefaultSuffix = QStringLiteral("pdf");
    QString base = Model().CurrentFileName();
    if (base.endsWith(QLatin1String(".ws"), Qt::CaseInsensitive)) base.chop(3);
    request.FileName = base + QStringLiteral(".pdf");
    const QString fileName = Main().Services().Files.SaveFileName(this, request);
    if (fileName.isEmpty()) return false;
    TPdfSheetSink sink(fileName);
    QString error;
    const TPrintOutcome outcome = RunJob(sink, error);
    if (outcome == TPrintOutcome::Failed && !error.isEmpty())
        Main().Services().Messages.ShowMessage(MessageKind::Warning, error.toStdU16String(),
                                               MessageButtons::Ok);
    return outcome == TPrintOutcome::Printed;
}

}  // namespace vorlix::shell
