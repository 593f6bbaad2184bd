#include "program/settings_store.h"

#include "values/number_text.h"

#include <limits>

namespace tessara {

bool parseStoredInteger(std::string_view text, int& value)
{
    // Stores written by hand may carry blanks around the number.
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const auto last = text.find_last_not_of(" \t");
    long number = 0;
    if (!numtext::readWholeInteger(text.substr(first, last - first + 1), number))
        return false;
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace tessara
