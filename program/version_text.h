#pragma once

#include <string>

namespace tessara {

// "Version %d.%d.%d.%d" with the four parts of a product version.
std::string formatVersionText(int major, int minor, int patch, int tweak);

// The version text of this build, from the project version it was built with.
std::string buildVersionText();

}  // namespace tessara
