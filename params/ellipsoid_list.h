#pragma once

#include "records/records.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tessara {

// Every ellipsoid the transformation program knows, in the order they were
// added: the built-in GRS80 first. An ellipsoid's index is its position.
// Names are unique and compared exactly.
class EllipsoidList {
public:
    void clear() { entries_.clear(); }

    // A new name is appended; a name that exists replaces that entry in place,
    // unless the entry is built in: then nothing changes and the answer is
    // false.
    bool addOrReplaceEllipsoid(const Ellipsoid& ellipsoid);

    std::optional<std::size_t> indexOf(std::string_view name) const;

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const Ellipsoid& operator[](std::size_t index) const { return entries_[index]; }
    std::vector<Ellipsoid>::const_iterator begin() const { return entries_.begin(); }
    std::vector<Ellipsoid>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<Ellipsoid> entries_;
};

}  // namespace tessara
