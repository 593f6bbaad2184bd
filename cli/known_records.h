#pragma once

#include "params/ellipsoid_list.h"
#include "params/name_list.h"
#include "params/parameter_store.h"

#include <optional>
#include <string>
#include <vector>

namespace tessara {
class Notifier;
}

// The parameter sets and ellipsoids the command line knows: the built-in
// ones and the stored lists of the program folder, loaded as the
// transformation program loads them at start-up (never written here: only
// "params import" adds to them), plus records read from files named on the
// command line.
namespace tessara::cli {

struct KnownRecords {
    ParameterStore sets;
    NameList displayedSets;  // the displayed names, sorted; the first selected
    EllipsoidList ellipsoids;
};

struct RecordSources {
    std::string programFolder;
    std::vector<std::string> parameterFiles;  // .params files, in order
    std::vector<std::string> ellipsoidFiles;  // .ellipsoid files, in order
};

// The program folder of the running program, chosen as the transformation
// program chooses it (TESSARA_HOME first), without making any folder.
std::string commandLineProgramFolder();

// Loads everything; the core's messages (a damaged list record, a file
// that is not a parameter file) go to the notifier. A named file that
// cannot be used gives the text of the problem: no such file, a file of the
// wrong kind, a record that is cut short or not valid. A set read from a
// file replaces a known set of its name and is displayed; an ellipsoid
// cannot replace the built-in one.
std::optional<std::string> loadKnownRecords(const RecordSources& sources, KnownRecords& records,
                                            Notifier& notifier);

// The set of that name (exactly, else apart from letter case), or by
// default the first displayed set. Sets that are not valid are refused:
// their values were damaged or never complete.
struct SetChoice {
    ParameterSet set;
    std::string error;
};
SetChoice chooseParameterSet(const KnownRecords& records, const std::optional<std::string>& name);

// The ellipsoid of that name (exactly, else apart from letter case), or by
// default the built-in one.
struct EllipsoidChoice {
    Ellipsoid ellipsoid;
    std::string error;
};
EllipsoidChoice chooseEllipsoid(const KnownRecords& records,
                                const std::optional<std::string>& name);

}  // namespace tessara::cli
