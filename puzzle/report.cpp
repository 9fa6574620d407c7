// Showing a reader's report.
#include "report.h"

namespace vorlix {

void ShowReport(IMessageHost& host, const TReport& report) {
    for (const TReportLine& line : report.Lines)
        host.ShowMessage(line.Kind, line.Text.toStdU16String(), MessageButtons::Ok);
}

}  // namespace vorlix
