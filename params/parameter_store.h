#pragma once

#include "records/records.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tessara {

// Every parameter set the transformation program knows, by name. Names are
// compared exactly, byte by byte; storing under a name that exists replaces
// that set, built in or not. The order of iteration means nothing: every list
// that shows the names sorts them itself.
class ParameterStore {
public:
    using Map = std::map<std::string, ParameterSet, std::less<>>;

    void clear() { sets_.clear(); }
    void store(const ParameterSet& set) { sets_.insert_or_assign(set.name, set); }

    const ParameterSet* find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }
    // Sets the displayed flag of the named set; false when there is none.
    bool setDisplayed(std::string_view name, bool displayed);

    std::size_t size() const { return sets_.size(); }
    bool empty() const { return sets_.empty(); }
    Map::const_iterator begin() const { return sets_.begin(); }
    Map::const_iterator end() const { return sets_.end(); }

    // The names of the sets whose displayed flag is set.
    std::vector<std::string> displayedNames() const;

private:
    Map sets_;
};

}  // namespace tessara
