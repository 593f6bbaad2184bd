#pragma once

#include "params/byte_source.h"

#include <cstdio>
#include <string>

namespace tessara {

// A file opened for binary reading (others may read and write it meanwhile).
// For a regular file the size is known, so a stored length beyond the end of
// the file is refused without reading; for a pipe or a device the readers
// fall back to bounded pieces.
class FileSource final : public ByteSource {
public:
    enum class OpenResult { Opened, NotFound, Failed };

    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // On Failed, errorCode() holds the reason.
    OpenResult open(const std::string& path);
    void close();

    std::size_t read(void* buffer, std::size_t size) override;
    std::optional<std::uint64_t> remaining() const override;

    // The error number of the first failed open or read; 0 when none.
    int errorCode() const { return errorCode_; }

private:
    std::FILE* file_ = nullptr;
    std::optional<std::uint64_t> size_;
    std::uint64_t position_ = 0;
    int errorCode_ = 0;
};

}  // namespace tessara
