// A read-only set of upper-case words the engine can look up; the main dictionary lives outside the engine.
#pragma once

#include <string_view>

namespace vorlix {

class IWordSet {
public:
    virtual ~IWordSet() = default;
    // Both take upper-case letters.
    virtual bool Contains(std::u16string_view word) const = 0;
    // True when some word of the set begins with prefix (the word itself included).
    virtual bool HasWordStartingWith(std::u16string_view prefix) const = 0;
};

}  // namespace vorlix
