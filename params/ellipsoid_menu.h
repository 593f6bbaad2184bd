#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessara {

class EllipsoidList;

// The ellipsoid items of the "&Ellipsoid" menu, as plain data. They stand
// above the menu's first separator (which the commands "&View ..",
// "&Import .." and "&New .." follow), in the order of the ellipsoid list; the
// item at position k carries the command identifier 32789 + k and is checked
// when k is the current ellipsoid of the ITRF to GDA94 direction.
class EllipsoidMenu {
public:
    static constexpr int kFirstCommandId = 32789;

    // Adds an item for the name below the last one, unless an item has
    // exactly that text.
    void addEllipsoidMenuItem(std::string_view name);
    // Adds an item for every entry of the list, in list order. Items already
    // there stay, so rebuilding after a reload adds only what is new.
    void addItemsFor(const EllipsoidList& list);

    // The position of the item whose text is exactly the name, 0 when there
    // is none: the index that becomes current when an ellipsoid is chosen by
    // name.
    int selectEllipsoidByName(std::string_view name) const;

    const std::vector<std::string>& names() const { return names_; }
    int size() const { return static_cast<int>(names_.size()); }
    static int commandId(int position) { return kFirstCommandId + position; }
    // The position of the item with this command identifier, if it is one.
    std::optional<int> positionOfCommand(int commandId) const;
    static bool isChecked(int position, int currentItrfToGdaIndex)
    {
        return position == currentItrfToGdaIndex;
    }

private:
    std::vector<std::string> names_;
};

}  // namespace tessara
