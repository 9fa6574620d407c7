// The "Print" page: the puzzle and its solution to a printer, or into a PDF file.
#pragma once

#include "page.h"
#include "printjob.h"

namespace vorlix::shell {

class TPrintPage : public TPage {
    Q_OBJECT
public:
    explicit TPrintPage(TWebFm& main);
    void Enter() override;  // focuses Print_NowBtn
    // One copy with its solution; false when nothing was printed.
    bool PrintNow();
    bool SaveAsPdf();

private:
    TPrintOutcome RunJob(ISheetSink& sink, QString& error);
};

}  // namespace vorlix::shell
