#include "spellpage.h"

namespace vorlix::shell {

TSpellPage::TSpellPage(TWebFm& main)
    : TPage(main, QStringLiteral("Spell"), QStringLiteral("Spell_Bnr"), QStringLiteral("Spelling Checker")) {}

}  // namespace vorlix::shell
