#pragma once

#include <string>
#include <string_view>

namespace tessara {

// The ini file's section and key that name the help file.
inline constexpr std::string_view kHelpIniSection = "Settings";
inline constexpr std::string_view kHelpIniKey = "HelpFile";

// The default help path: the program path with the extension ".hlp" in place
// of its own (added when it has none).
std::string defaultHelpPath(std::string_view programPath);

// The help file to show: the ini value when it is not empty (a relative one
// taken in the program folder), else the default; an old-style ".hlp"
// extension, in any letter case, becomes ".chm".
std::string helpFilePath(std::string_view programPath, std::string_view iniHelpFile,
                         std::string_view programFolder);

// Replaces a final ".hlp" (any letter case) by ".chm", when the last "." of
// the path is not its first character.
std::string withHelpViewerExtension(std::string path);

// Whether a file (not a folder) of that path exists.
bool helpFileExists(const std::string& path);

}  // namespace tessara
