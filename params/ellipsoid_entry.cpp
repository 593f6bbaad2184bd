#include "params/ellipsoid_entry.h"

#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/ellipsoid_menu.h"
#include "params/notifier.h"
#include "params/parameter_view.h"
#include "values/text_trim.h"

#include <charconv>
#include <utility>

namespace tessara {
namespace {

// A number as the dialog's fields hold one: digits with at most one "."
// and at least one digit. Signs, exponents and words are not numbers here.
bool readNumber(std::string_view text, double& value)
{
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    const auto read =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return read.ec == std::errc() && read.ptr == text.data() + text.size();
}

// An empty number is 0; anything else must read whole.
bool readOptionalNumber(std::string_view text, double& value)
{
    value = 0.0;
    return text.empty() || readNumber(text, value);
}

std::string valueText(double value, std::int32_t decimals)
{
    // A value entered without any text has nothing to show.
    return decimals < 0 ? std::string() : fixedDecimalText(value, decimals);
}

bool namesBuiltIn(const EllipsoidList& list, std::string_view name)
{
    for (const Ellipsoid& e : list) {
        if (e.builtIn && e.name == name)
            return true;
    }
    return false;
}

}  // namespace

int ellipsoidEntryValue(const EllipsoidList& list, std::size_t index)
{
    const int value = static_cast<int>(index);
    return list[index].builtIn ? value + kBuiltInEntryMark : value;
}

EllipsoidFieldTexts ellipsoidFieldTexts(const Ellipsoid& ellipsoid)
{
    return {ellipsoid.name, valueText(ellipsoid.semiMajorAxis, ellipsoid.semiMajorDecimals),
            valueText(ellipsoid.inverseFlattening, ellipsoid.flatteningDecimals)};
}

int enteredDecimals(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return -1;
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0)
        return 0;
    return static_cast<int>(text.size() - point - 1);
}

EllipsoidEntryCheck checkEllipsoidEntry(const EllipsoidFieldTexts& texts, const EllipsoidList& list)
{
    const std::string_view name = trimmed(texts.name);
    const std::string_view aText = trimmed(texts.semiMajorAxis);
    const std::string_view fText = trimmed(texts.inverseFlattening);
    double a = 0.0;
    double inverseFlattening = 0.0;
    const bool aRead = readOptionalNumber(aText, a);
    const bool fRead = readOptionalNumber(fText, inverseFlattening);

    EllipsoidEntryCheck check;
    check.acceptable = !name.empty() && aRead && fRead;
    check.ellipsoid = Ellipsoid::fromValues(std::string(name), a, enteredDecimals(aText),
                                            inverseFlattening, enteredDecimals(fText));
    check.status = kSaveEllipsoidStatus;
    if (namesBuiltIn(list, name)) {
        check.acceptable = false;
        check.status = kBuiltInEllipsoidStatus;
    }
    check.saveEnabled = check.acceptable && a > 0.0 && inverseFlattening > 0.0;
    return check;
}

namespace {

// Adds the ellipsoid to the list and the menu, then appends it to the list
// file; nothing when it is named like a built-in one.
EllipsoidImport addAndSave(Ellipsoid ellipsoid, EllipsoidList& list, EllipsoidMenu& menu,
                           const std::string& listPath, Notifier& notifier)
{
    ellipsoid.builtIn = false;
    if (!list.addOrReplaceEllipsoid(ellipsoid))
        return EllipsoidImport::Refused;
    menu.addEllipsoidMenuItem(ellipsoid.name);
    return appendStoredEllipsoid(listPath, ellipsoid, notifier) ? EllipsoidImport::Saved
                                                                : EllipsoidImport::NotSaved;
}

}  // namespace

bool addUserEllipsoid(Ellipsoid ellipsoid, EllipsoidList& list, EllipsoidMenu& menu,
                      const std::string& listPath, Notifier& notifier)
{
    return wasAdded(addAndSave(std::move(ellipsoid), list, menu, listPath, notifier));
}

EllipsoidImport importEllipsoidFile(const std::string& path, EllipsoidList& list,
                                    EllipsoidMenu& menu, const std::string& listPath,
                                    Notifier& notifier)
{
    Ellipsoid ellipsoid;
    if (!readEllipsoidFileInProgram(path, ellipsoid, notifier).goOn)
        return EllipsoidImport::FileError;
    validate(ellipsoid);
    // A file cut short would otherwise add an ellipsoid without a name or
    // without values to the menu and to the list file, for good.
    if (!ellipsoid.valid) {
        notifier.showMessage(std::string(kEllipsoidFileIncorrect));
        return EllipsoidImport::Refused;
    }
    const EllipsoidImport outcome = addAndSave(ellipsoid, list, menu, listPath, notifier);
    if (outcome == EllipsoidImport::Refused)
        notifier.showMessage("You cannot replace the parameters for ellipsoid - " + ellipsoid.name);
    return outcome;
}

}  // namespace tessara
