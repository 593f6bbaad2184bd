#include "program/program_paths.h"

#include "params/ellipsoid_list_file.h"
#include "params/parameter_list_file.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace tessara {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

bool isSet(const std::optional<std::string>& value) { return value && !value->empty(); }

// The program's file name without folder and extension ("tessara").
std::string programBaseName(std::string_view programPath)
{
    const std::size_t slash = programPath.rfind('/');
    std::string_view name =
        slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace

std::string programFolderOf(std::string_view programPath)
{
    const std::size_t slash = programPath.rfind('/');
    // A path whose only "/" is the first character (or that has none) names
    // no folder of its own.
    if (slash == std::string_view::npos || slash == 0)
        return std::string(programPath);
    return std::string(programPath.substr(0, slash));
}

std::string inProgramFolder(std::string_view name, std::string_view programFolder)
{
    if (name.find('/') != std::string_view::npos)
        return std::string(name);
    return std::string(programFolder) + "/" + std::string(name);
}

std::string chooseProgramFolder(const ProgramFolderInputs& inputs)
{
    if (isSet(inputs.tessaraHome))
        return *inputs.tessaraHome;
    // A shared install keeps each user's files apart, even for root, who
    // could write into the system folder but must not leave files there.
    if (inputs.executableFolderWritable && !inputs.executableFolderShared)
        return inputs.executableFolder;
    // A relative XDG_DATA_HOME is to be ignored, as the XDG rules say.
    if (isSet(inputs.xdgDataHome) && inputs.xdgDataHome->front() == '/')
        return *inputs.xdgDataHome + "/tessara";
    if (isSet(inputs.home))
        return *inputs.home + "/.local/share/tessara";
    return inputs.executableFolder;
}

std::string shippedSetsFolder(const std::string& executableFolder)
{
    const fs::path folder(executableFolder);
    for (const fs::path& candidate :
         {folder / ".." / ".." / "share" / "tessara" / "sets", folder / "sets"}) {
        std::error_code ec;
        if (fs::is_directory(candidate, ec))
            return candidate.lexically_normal().string();
    }
    return {};
}

std::string runningProgramPath()
{
    std::error_code ec;
    const fs::path path = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

ProgramFolderInputs observeProgramFolderInputs(const std::string& executableFolder)
{
    ProgramFolderInputs inputs;
    inputs.executableFolder = executableFolder;
    inputs.executableFolderWritable = ::access(executableFolder.c_str(), W_OK) == 0;
    inputs.tessaraHome = environment("TESSARA_HOME");
    inputs.xdgDataHome = environment("XDG_DATA_HOME");
    inputs.home = environment("HOME");
    std::error_code ec;
    inputs.executableFolderShared =
        fs::exists(fs::path(executableFolder) / kSharedFolderMarker, ec);
    return inputs;
}

std::string locateProgramFolder(const std::string& programPath)
{
    const ProgramFolderInputs inputs = observeProgramFolderInputs(programFolderOf(programPath));
    std::string folder = chooseProgramFolder(inputs);
    if (folder != inputs.executableFolder && !isSet(inputs.tessaraHome)) {
        // The per-user data folder is made on first use; a failure shows
        // later, as the file error of the first file written there.
        std::error_code ec;
        fs::create_directories(folder, ec);
    }
    return folder;
}

StartupPaths makeStartupPaths(const std::string& programPath, const std::string& programFolder)
{
    StartupPaths paths;
    paths.programPath = programPath;
    paths.programFolder = programFolder;
    paths.iniPath = programFolder + "/" + programBaseName(programPath) + ".ini";
    paths.parameterListPath = programFolder + "/" + std::string(kParameterListFileName);
    paths.ellipsoidListPath = programFolder + "/" + std::string(kEllipsoidListFileName);
    return paths;
}

}  // namespace tessara
