#include "editor/form_files.h"

#include "params/decimal_text.h"
#include "params/ellipsoid_file.h"
#include "params/notifier.h"
#include "params/parameter_file.h"

namespace tessara::editor {
namespace {

constexpr int kEpochDecimals = 3;
constexpr int kValueDecimals = 6;

// Whether what a reader found goes on to the form: only a record read from a
// file with the right marker. A missing file read nothing at all.
bool showsRecord(const RecordFileRead& read, const std::string& name)
{
    return read.found && read.markerMatches && !read.fileError && name != kNotValidName;
}

std::string shownDecimals(double value, std::int32_t decimals)
{
    // A negative count means no value was entered.
    return decimals < 0 ? std::string() : fixedDecimals(value, decimals);
}

}  // namespace

ParameterForm shownParameterForm(const ParameterSet& set, ParameterMode mode)
{
    ParameterForm form;
    form.name = set.name;
    form.epoch = fixedDecimals(set.epoch, kEpochDecimals);
    for (std::size_t i = 0; i < set.base.size(); ++i) {
        form.base[i] = fixedDecimals(set.base[i], kValueDecimals);
        form.rate[i] = fixedDecimals(set.rate[i], kValueDecimals);
    }
    form.mode = mode;
    return form;
}

EllipsoidForm shownEllipsoidForm(const Ellipsoid& ellipsoid)
{
    return {ellipsoid.name, shownDecimals(ellipsoid.semiMajorAxis, ellipsoid.semiMajorDecimals),
            shownDecimals(ellipsoid.inverseFlattening, ellipsoid.flatteningDecimals)};
}

std::optional<ParameterForm> openParameterForm(const std::string& path, ParameterMode mode,
                                               Notifier& notifier)
{
    ParameterSet set;
    const RecordFileRead read = readParameterFileInEditor(path, set, notifier);
    if (!showsRecord(read, set.name))
        return std::nullopt;
    return shownParameterForm(set, mode);
}

std::optional<EllipsoidForm> openEllipsoidForm(const std::string& path, Notifier& notifier)
{
    Ellipsoid ellipsoid;
    const RecordFileRead read = readEllipsoidFileInEditor(path, ellipsoid, notifier);
    if (!showsRecord(read, ellipsoid.name))
        return std::nullopt;
    return shownEllipsoidForm(ellipsoid);
}

bool saveParameterForm(const std::string& path, const ParameterForm& form, Notifier& notifier)
{
    FormCheck<ParameterSet> check = checkParameterForm(form);
    if (!check.ok()) {
        notifier.showMessage(std::string(kParametersNotValidForSaving));
        return false;
    }
    return writeParameterFile(path, check.record, notifier);
}

bool saveEllipsoidForm(const std::string& path, const EllipsoidForm& form, Notifier& notifier)
{
    FormCheck<Ellipsoid> check = checkEllipsoidForm(form);
    if (!check.ok()) {
        notifier.showMessage(std::string(kEllipsoidNotValidForSaving));
        return false;
    }
    return writeEllipsoidFile(path, check.record, notifier);
}

}  // namespace tessara::editor
