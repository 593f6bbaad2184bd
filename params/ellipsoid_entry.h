#pragma once

#include "records/records.h"

#include <cstddef>
#include <string>
#include <string_view>

// The ellipsoid dialog without its widgets, and the two ways an ellipsoid
// is added to the program: entered by hand, or imported from a file.
namespace tessara {

class EllipsoidList;
class EllipsoidMenu;
class Notifier;

inline constexpr std::string_view kEllipsoidDialogCaption = "Ellipsoid parameters";
inline constexpr std::string_view kNewEllipsoidCaption = "Add new ellipsoid";
inline constexpr std::string_view kNewEllipsoidText =
    "You may enter the parameters for a new ellipsoid.";
inline constexpr std::string_view kNewEllipsoidHint = "Click on Save to save this ellipsoid.";
inline constexpr std::string_view kSaveEllipsoidStatus = "Click on Save to save this ellipsoid";
inline constexpr std::string_view kBuiltInEllipsoidStatus = "You cannot change this ellipsoid";

// The value each entry of the dialog's list carries: the ellipsoid's index,
// plus this for a built-in ellipsoid.
inline constexpr int kBuiltInEntryMark = 10000;
int ellipsoidEntryValue(const EllipsoidList& list, std::size_t index);

// The three fields of the dialog as texts: the numbers use "." as the
// decimal symbol (the widgets convert the locale's).
struct EllipsoidFieldTexts {
    std::string name;
    std::string semiMajorAxis;      // a, metres
    std::string inverseFlattening;  // 1/f
};

// An ellipsoid as the dialog shows it: a and 1/f each with the decimals it
// was entered with; a value entered without any is left empty.
EllipsoidFieldTexts ellipsoidFieldTexts(const Ellipsoid& ellipsoid);

// The decimals of a number as typed: the characters after the first "."
// of the trimmed text; 0 without a "." or with the "." first; -1 for an
// empty text.
int enteredDecimals(std::string_view text);

// The check run on every change of a field while a new ellipsoid is typed.
struct EllipsoidEntryCheck {
    // The name is set, not that of a built-in ellipsoid, and each number is
    // empty or a number: the number fields can be edited.
    bool acceptable = false;
    // Acceptable, and both numbers are above 0: an ellipsoid without a
    // semi-major axis or a flattening would turn every point into nonsense,
    // and a stored ellipsoid can never be removed again.
    bool saveEnabled = false;
    std::string_view status;
    Ellipsoid ellipsoid;  // from the trimmed texts; an empty number counts as 0
};
EllipsoidEntryCheck checkEllipsoidEntry(const EllipsoidFieldTexts& texts,
                                        const EllipsoidList& list);

// Adds an ellipsoid entered by hand or imported: it replaces the user
// ellipsoid of its name in place, or joins the end of the list and gets a
// menu item; then it is appended to the list file. An ellipsoid named like a
// built-in one changes nothing and gives false. A failed append is reported
// by the list file; the ellipsoid stays for this run.
bool addUserEllipsoid(Ellipsoid ellipsoid, EllipsoidList& list, EllipsoidMenu& menu,
                      const std::string& listPath, Notifier& notifier);

// What became of an imported ellipsoid file.
enum class EllipsoidImport {
    Saved,      // added, and appended to the list file
    NotSaved,   // added for this run; the failed append was reported
    Refused,    // not valid, or named like a built-in ellipsoid; reported
    FileError,  // the file could not be read; reported
};
inline bool wasAdded(EllipsoidImport outcome)
{
    return outcome == EllipsoidImport::Saved || outcome == EllipsoidImport::NotSaved;
}

// "&Import ..": reads an ellipsoid file with the program's reader (which
// reports its own problems) and adds what it holds. A record that the file
// does not hold whole (no name, a or 1/f missing) is refused with "Ellipsoid
// file is incorrect" instead of being stored for good; an ellipsoid named
// like a built-in one is refused with "You cannot replace the parameters for
// ellipsoid - " and its name.
EllipsoidImport importEllipsoidFile(const std::string& path, EllipsoidList& list,
                                    EllipsoidMenu& menu, const std::string& listPath,
                                    Notifier& notifier);

}  // namespace tessara
