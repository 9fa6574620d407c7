#include "worksheetpage.h"

namespace vorlix::shell {

TWorksheetPage::TWorksheetPage(TWebFm& main)
    : TPage(main, QStringLiteral("Worksheet"), QStringLiteral("Worksheet_Bnr"), QStringLiteral("Worksheet Header Lines")) {}

}  // namespace vorlix::shell
