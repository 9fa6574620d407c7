// Grid cells: a cell code stands for one letter as a reader sees it, which may take several
// code points; the alphabet gives each code its text.
#pragma once

#include <string>

namespace vorlix {

class TCellAlphabet {
public:
    // The text cell code stands for.
    std::u16string Text(char16_t code) const { return std::u16string(1, code); }
};

}  // namespace vorlix
