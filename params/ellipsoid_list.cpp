#include "params/ellipsoid_list.h"

namespace tessara {

bool EllipsoidList::addOrReplaceEllipsoid(const Ellipsoid& ellipsoid)
{
    const std::optional<std::size_t> index = indexOf(ellipsoid.name);
    if (!index) {
        entries_.push_back(ellipsoid);
        return true;
    }
    // The program's own ellipsoid can be neither replaced nor changed.
    if (entries_[*index].builtIn)
        return false;
    entries_[*index] = ellipsoid;
    return true;
}

std::optional<std::size_t> EllipsoidList::indexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].name == name)
            return i;
    }
    return std::nullopt;
}

}  // namespace tessara
