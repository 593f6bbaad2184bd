#include "program/help_path.h"

#include "params/name_list.h"

#include <filesystem>
#include <utility>
#include <system_error>

namespace tessara {

std::string defaultHelpPath(std::string_view programPath)
{
    const std::size_t slash = programPath.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = programPath.rfind('.');
    // Only a "." inside the file name (not leading it) starts an extension.
    if (dot != std::string_view::npos && dot > nameStart)
        return std::string(programPath.substr(0, dot)) + ".hlp";
    return std::string(programPath) + ".hlp";
}

std::string helpFilePath(std::string_view programPath, std::string_view iniHelpFile,
                         std::string_view programFolder)
{
    std::string path;
    if (iniHelpFile.empty())
        path = defaultHelpPath(programPath);
    else if (iniHelpFile.front() == '/')
        path = std::string(iniHelpFile);
    else
        path = std::string(programFolder) + "/" + std::string(iniHelpFile);
    return withHelpViewerExtension(std::move(path));
}

std::string withHelpViewerExtension(std::string path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return path;
    if (equalIgnoringCase(std::string_view(path).substr(dot), ".hlp")) {
        path.resize(dot);
        path += ".chm";
    }
    return path;
}

bool helpFileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace tessara
