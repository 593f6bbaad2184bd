#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessara {

// The content of a sorted list or drop-down list of set names, as the forms
// show it: entries kept in alphabetical order without regard to letter case
// (names that differ only in case follow byte order), duplicates allowed,
// looked up without regard to case, and at most one selected entry.
class NameList {
public:
    static constexpr int kNoSelection = -1;

    void clear();
    // Inserts at the sorted position and returns that index; a selected entry
    // stays selected.
    int add(std::string name);
    // Removes the entry; removing the selected entry leaves nothing selected.
    void removeAt(int index);

    // The first entry equal to `name` apart from letter case, or -1.
    int findIgnoringCase(std::string_view name) const;

    int size() const { return static_cast<int>(names_.size()); }
    bool empty() const { return names_.empty(); }
    const std::string& at(int index) const { return names_[static_cast<std::size_t>(index)]; }
    const std::vector<std::string>& names() const { return names_; }

    int selectedIndex() const { return selected_; }
    // An index outside the list selects nothing.
    void select(int index);
    // The selected name, empty when nothing is selected.
    std::string selectedName() const;

private:
    std::vector<std::string> names_;
    int selected_ = kNoSelection;
};

// The order of the sorted lists: letter case ignored, then byte order.
bool nameSortsBefore(std::string_view a, std::string_view b);
// Equality without regard to letter case (ASCII letters).
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tessara
