#pragma once

#include <string>
#include <string_view>

namespace tessara::fuzz {

// An anonymous in-memory file (memfd), rewritten for every input, so that
// readers that take a path or a descriptor see a real regular file without
// anything touching the disk. Its path is the /proc link to the descriptor.
class ScratchFile {
public:
    explicit ScratchFile(const char* name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the content and rewinds the descriptor.
    void write(std::string_view bytes);
    // The whole content, read back from the start.
    std::string content() const;
    // Empties the file and rewinds the descriptor.
    void clear() { write({}); }

    int descriptor() const { return descriptor_; }
    const std::string& path() const { return path_; }

private:
    int descriptor_;
    std::string path_;
};

}  // namespace tessara::fuzz
