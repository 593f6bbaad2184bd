#include "params/name_list.h"

#include <algorithm>
#include <utility>

namespace tessara {
namespace {

unsigned char foldCase(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

bool nameSortsBefore(std::string_view a, std::string_view b)
{
    const auto folded = [](char x, char y) { return foldCase(x) < foldCase(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded))
        return false;
    return a < b;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldCase(x) == foldCase(y); });
}

void NameList::clear()
{
    names_.clear();
    selected_ = kNoSelection;
}

int NameList::add(std::string name)
{
    const auto position = std::upper_bound(names_.begin(), names_.end(), name,
                                           [](const std::string& a, const std::string& b) {
                                               return nameSortsBefore(a, b);
                                           });
    const int index = static_cast<int>(position - names_.begin());
    names_.insert(position, std::move(name));
    if (selected_ >= index)
        ++selected_;
    return index;
}

void NameList::removeAt(int index)
{
    if (index < 0 || index >= size())
        return;
    names_.erase(names_.begin() + index);
    if (selected_ == index)
        selected_ = kNoSelection;
    else if (selected_ > index)
        --selected_;
}

int NameList::findIgnoringCase(std::string_view name) const
{
    for (int i = 0; i < size(); ++i) {
        if (equalIgnoringCase(at(i), name))
            return i;
    }
    return -1;
}

void NameList::select(int index)
{
    selected_ = index >= 0 && index < size() ? index : kNoSelection;
}

std::string NameList::selectedName() const
{
    return selected_ == kNoSelection ? std::string() : at(selected_);
}

}  // namespace tessara
