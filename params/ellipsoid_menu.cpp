#include "params/ellipsoid_menu.h"

#include "params/ellipsoid_list.h"

#include <algorithm>

namespace tessara {

void EllipsoidMenu::addEllipsoidMenuItem(std::string_view name)
{
    if (std::find(names_.begin(), names_.end(), name) != names_.end())
        return;
    names_.emplace_back(name);
}

void EllipsoidMenu::addItemsFor(const EllipsoidList& list)
{
    for (const Ellipsoid& ellipsoid : list)
        addEllipsoidMenuItem(ellipsoid.name);
}

int EllipsoidMenu::selectEllipsoidByName(std::string_view name) const
{
    const auto it = std::find(names_.begin(), names_.end(), name);
    return it == names_.end() ? 0 : static_cast<int>(it - names_.begin());
}

std::optional<int> EllipsoidMenu::positionOfCommand(int commandId) const
{
    const int position = commandId - kFirstCommandId;
    if (position < 0 || position >= size())
        return std::nullopt;
    return position;
}

}  // namespace tessara
