#include "params/parameter_store.h"

namespace tessara {

const ParameterSet* ParameterStore::find(std::string_view name) const
{
    const auto it = sets_.find(name);
    return it == sets_.end() ? nullptr : &it->second;
}

bool ParameterStore::setDisplayed(std::string_view name, bool displayed)
{
    const auto it = sets_.find(name);
    if (it == sets_.end())
        return false;
    it->second.displayed = displayed;
    return true;
}

std::vector<std::string> ParameterStore::displayedNames() const
{
    std::vector<std::string> names;
    for (const auto& [name, set] : sets_) {
        if (set.displayed)
            names.push_back(name);
    }
    return names;
}

}  // namespace tessara
