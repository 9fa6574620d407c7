// The fixed credits-line templates offered on the credits page.
#include <array>

#include "wordsearch.h"

namespace vorlix {

const char16_t* const ProductWebAddress = u"www.vorlix.example";
const char16_t* const ProductWebAddressSecondForm = u"https://www.vorlix.example/";

namespace {

std::array<std::u16string, CreditsTemplateCount + 1> BuildTemplates() {
    const std::u16string web = ProductWebAddress;
    const std::u16string made = u"Made using Vorlix\u2122";
    return {
        u"",
        web,
        u"\u00A9 <Name>. " + web,
        u"\u00A9 <Name>. " + made,
        u"\u00A9 <Year> by <Name>. " + web,
        u"\u00A9 <Year> by <Name>. " + made,
        u"\u00A9 <Year> <Name>. " + web,
        u"\u00A9 <Year> <Name>. " + made,
        u"Copyright \u00A9 <Year> <Name>. " + web,
        u"Copyright \u00A9 <Year> <Name>. " + made,
        u"Custom made for [PUT A NAME HERE]. " + web,
        u"Custom made for [PUT A NAME HERE] using Vorlix\u2122",
        u"Custom puzzle made for [PUT A NAME HERE] by <Name>. " + web,
        u"Custom puzzle made for [PUT A NAME HERE] by <Name>, using Vorlix\u2122",
        u"For [PUT A NAME HERE] from <Name>. " + web,
        u"For [PUT A NAME HERE] from <Name>. " + made,
        u"Made by <Name>. " + web,
        u"Made by <Name> using Vorlix\u2122",
        u"<Name> and Vorlix\u2122",
        u"Made at " + web,
        u"Made by Vorlix\u2122",
        ProductWebAddressSecondForm,
        u"Vorlix\u2122",
        u"Puzzle by <Name>. " + web,
        u"Puzzle by <Name>. " + made,
        u"Puzzle for [PUT A NAME HERE]. " + web,
        u"Puzzle for [PUT A NAME HERE]. " + made,
        u"This puzzle was made by Vorlix\u2122",
        u"This puzzle was made for [PUT A NAME HERE]. " + web,
        u"This puzzle was made for [PUT A NAME HERE] using Vorlix\u2122",
        u"This puzzle was made by <Name>. " + web,
        u"This puzzle was made by <Name> using Vorlix\u2122",
        u"This puzzle was made by <Name> for [PUT A NAME HERE]. " + web,
        u"This puzzle was made by <Name> for [PUT A NAME HERE], using Vorlix\u2122",
    };
}

}  // namespace

const std::u16string& CreditsLineTemplates(int k) {
    static const std::array<std::u16string, CreditsTemplateCount + 1> templates = BuildTemplates();
    if (k < 1 || k > CreditsTemplateCount) return templates[0];
    return templates[k];
}

}  // namespace vorlix
