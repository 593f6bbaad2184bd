#include "params/parameter_export.h"

#include "params/file_error.h"
#include "params/file_writing.h"
#include "params/notifier.h"
#include "params/parameter_store.h"
#include "params/parameter_view.h"

#include <cerrno>
#include <charconv>

namespace tessara {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr const char* kLabels[7] = {"dx", "dy", "dz", "rx", "ry", "rz", "scale"};
constexpr int kDecimals[7] = {4, 4, 4, 6, 6, 6, 6};

// A set name becomes a file name: it must not lead out of the folder.
bool usableAsFileName(std::string_view name)
{
    return name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos &&
           name != "." && name != "..";
}

std::string countText(int n)
{
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
}

std::string plural(int n)
{
    return n == 1 ? "" : "s";
}

}  // namespace

std::string parameterExportText(const ParameterSet& set)
{
    std::string text = "ITRF Parameter File";
    text.append(kLineEnd);
    text.append("Name:    ").append(set.name).append(kLineEnd);
    text.append("Epoch:    ").append(fixedDecimalText(set.epoch, 3)).append(kLineEnd);
    for (std::size_t i = 0; i < 7; ++i) {
        text.append(kLabels[i]).append(":    ");
        text.append(fixedDecimalText(set.base[i], kDecimals[i])).append(",");
        text.append(fixedDecimalText(set.rate[i], kDecimals[i])).append(kLineEnd);
    }
    return text;
}

std::string exportFilePath(const std::string& folder, const std::string& setName)
{
    return folder + "/" + setName + ".txt";
}

bool writeParameterText(const ParameterSet& set, const std::string& folder, Notifier& notifier)
{
    const std::string path = exportFilePath(folder, set.name);
    if (!usableAsFileName(set.name)) {
        notifier.showMessage(fileErrorText(path, EINVAL));
        return false;
    }
    // Written beside the old file and renamed over it, so a failed write
    // leaves an earlier export as it was.
    if (const int error = replaceFile(path, parameterExportText(set)); error != 0) {
        notifier.showMessage(fileErrorText(path, error));
        return false;
    }
    return true;
}

ExportCount exportParameterSets(const ParameterStore& store, const std::string& folder,
                                Notifier& notifier)
{
    ExportCount count;
    count.total = static_cast<int>(store.size());
    for (const auto& [name, set] : store) {
        if (!writeParameterText(set, folder, notifier))
            break;
        ++count.exported;
    }
    return count;
}

std::string exportResultMessage(const ExportCount& count, const std::string& folder)
{
    if (count.total == 0)
        return "No parameters available to be exported";
    if (count.exported == count.total)
        return "Exported " + countText(count.exported) + " set" + plural(count.exported) +
               " of parameters to separate files\nto " + folder;
    return "An error has occurred - exported " + countText(count.exported) + " set" +
           plural(count.exported) + " from the " + countText(count.total) + " available\nto " +
           folder;
}

}  // namespace tessara
