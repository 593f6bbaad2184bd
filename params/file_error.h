#pragma once

#include <string>

namespace tessara {

// Error numbers of our own, beyond the platform's, for refusals the platform
// has no words for. They never collide with errno values, which are small.
inline constexpr int kErrorNotRegularFile = 100001;  // a FIFO, a device, a socket
inline constexpr int kErrorNotListFile = 100002;     // a list file with another marker

// The platform's report of a file error: the path, a colon and the system's
// text for the error number ("/data/params.tessara: Permission denied"), or
// our own text for the numbers above.
std::string fileErrorText(const std::string& path, int errorCode);

}  // namespace tessara
