#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessara {

// The folder of a program path: the text before its last "/" when that "/"
// is not the first character; otherwise the whole path.
std::string programFolderOf(std::string_view programPath);

// A file name without any "/" is a file in the program folder; a name with a
// folder is used unchanged.
std::string inProgramFolder(std::string_view name, std::string_view programFolder);

// The file an installation puts beside the programs to mark their folder as
// shared by every user of the machine. Root may write into a system folder,
// so writability alone cannot tell a shared install from a private copy.
inline constexpr std::string_view kSharedFolderMarker = "tessara-shared-install";

// What decides the program folder, where the stored lists and the default
// log and message files live.
struct ProgramFolderInputs {
    std::string executableFolder;
    bool executableFolderWritable = true;
    std::optional<std::string> tessaraHome;  // TESSARA_HOME
    std::optional<std::string> xdgDataHome;  // XDG_DATA_HOME
    std::optional<std::string> home;         // HOME
    bool executableFolderShared = false;     // holds the shared-install marker
};

// TESSARA_HOME when it is set and not empty; else the executable's folder
// when it is writable and not marked as shared; else the per-user data
// folder "tessara" under XDG_DATA_HOME (when that is an absolute path) or
// ~/.local/share. Without any home folder the executable's folder stays.
std::string chooseProgramFolder(const ProgramFolderInputs& inputs);

// The inputs for a program in that folder, read from the environment and the
// file system (writability, the shared-install marker).
ProgramFolderInputs observeProgramFolderInputs(const std::string& executableFolder);

// The running program's full path; empty when it cannot be found.
std::string runningProgramPath();

// The program folder for the running program (chooseProgramFolder over the
// environment). A per-user data folder is created when it is chosen.
std::string locateProgramFolder(const std::string& programPath);

// The folder of the parameter files shipped with the programs, for a program
// in `executableFolder`: <prefix>/share/tessara/sets when the program is
// installed in <prefix>/lib/tessara; else "sets" beside the program (a build
// tree copies them there); empty when neither folder exists.
std::string shippedSetsFolder(const std::string& executableFolder);

// The paths the transformation program fixes at start-up.
struct StartupPaths {
    std::string programPath;
    std::string programFolder;
    std::string iniPath;            // the program's name with ".ini", in the program folder
    std::string parameterListPath;  // params.tessara in the program folder
    std::string ellipsoidListPath;  // ellipsoids.tessara in the program folder
};

StartupPaths makeStartupPaths(const std::string& programPath, const std::string& programFolder);

}  // namespace tessara
