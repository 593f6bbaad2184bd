#pragma once

#include "records/records.h"

#include <string>
#include <string_view>

namespace tessara::cli {

// A record built from command-line texts by the parameter editor's form
// checks, or the reason it was refused.
template <typename Record>
struct Built {
    Record record;
    std::string problem;  // empty when the record may be written
    bool ok() const { return problem.empty(); }
};

// The editor's parameter form in 14-parameter mode, with each text limited
// to what the form's field would let a user type: the name (used as typed)
// must not be blank, the epoch must be a year from 1970 to 2020 with at most
// 3 decimals, and each of the seven base values and seven rates a number
// with at most 7 decimals. A value of exactly 1000000 counts as not set and
// is refused too.
Built<ParameterSet> buildParameterSet(std::string_view name, std::string_view epoch,
                                      std::string_view baseList, std::string_view rateList);

// The editor's ellipsoid form: the name must not be blank, a must be a
// number without sign with at most 3 decimals and 1/f one with at most 9,
// each keeping the number of decimals it was written with.
Built<Ellipsoid> buildEllipsoid(std::string_view name, std::string_view semiMajorAxis,
                                std::string_view inverseFlattening);

}  // namespace tessara::cli
