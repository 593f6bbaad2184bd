#include "program/version_text.h"

#include "values/number_text.h"

namespace tessara {

std::string formatVersionText(int major, int minor, int patch, int tweak)
{
    return "Version " + numtext::integer(major) + "." + numtext::integer(minor) + "." +
           numtext::integer(patch) + "." + numtext::integer(tweak);
}

std::string buildVersionText()
{
    return formatVersionText(TESSARA_VERSION_MAJOR, TESSARA_VERSION_MINOR, TESSARA_VERSION_PATCH,
                             TESSARA_VERSION_TWEAK);
}

}  // namespace tessara
