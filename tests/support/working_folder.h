#pragma once

#include "support/temp_folder.h"

#include <filesystem>

namespace tessara::testing {

// A fresh folder that is the working folder while it lives, so that files
// are named relative to it.
class WorkingFolder : public TempFolder {
public:
    WorkingFolder() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(path()); }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace tessara::testing
