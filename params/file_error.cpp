#include "params/file_error.h"

#include <cstring>

namespace tessara {

std::string fileErrorText(const std::string& path, int errorCode)
{
    switch (errorCode) {
    case kErrorNotRegularFile:
        return path + ": Not a regular file";
    case kErrorNotListFile:
        return path + ": Not a list file of this kind";
    default:
        return path + ": " + std::strerror(errorCode);
    }
}

}  // namespace tessara
