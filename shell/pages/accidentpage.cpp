#include "accidentpage.h"

namespace vorlix::shell {

TAccidentPage::TAccidentPage(TWebFm& main)
    : TPage(main, QStringLiteral("Accident"), QStringLiteral("Accident_Bnr"), QStringLiteral("Accidental Words")) {}

}  // namespace vorlix::shell
