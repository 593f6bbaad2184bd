#pragma once

#include <string>

namespace tessara {

// The platform's report of a file error: the path, a colon and the system's
// text for the error number ("/data/params.tessara: Permission denied").
std::string fileErrorText(const std::string& path, int errorCode);

}  // namespace tessara
