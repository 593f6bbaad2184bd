#include "params/file_error.h"

#include <cstring>

namespace tessara {

std::string fileErrorText(const std::string& path, int errorCode)
{
    return path + ": " + std::strerror(errorCode);
}

}  // namespace tessara
