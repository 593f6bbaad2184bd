#include "params/file_source.h"

#include <cerrno>
#include <sys/stat.h>

namespace tessara {
namespace {

// An error number for a failure that left errno unset, so that a failure is
// never taken for success.
int errnoOr(int fallback) { return errno != 0 ? errno : fallback; }

}  // namespace

FileSource::~FileSource() { close(); }

FileSource::OpenResult FileSource::open(const std::string& path)
{
    close();
    errorCode_ = 0;
    position_ = 0;
    size_.reset();
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        errorCode_ = errnoOr(EIO);
        return errorCode_ == ENOENT ? OpenResult::NotFound : OpenResult::Failed;
    }
    struct stat info {};
    if (::fstat(fileno(file_), &info) == 0 && S_ISREG(info.st_mode))
        size_ = static_cast<std::uint64_t>(info.st_size);
    return OpenResult::Opened;
}

void FileSource::close()
{
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
}

std::size_t FileSource::read(void* buffer, std::size_t size)
{
    if (file_ == nullptr || size == 0)
        return 0;
    errno = 0;
    const std::size_t n = std::fread(buffer, 1, size, file_);
    position_ += n;
    // Only the first error counts; later reads see the same failed stream.
    if (n < size && std::ferror(file_) != 0 && errorCode_ == 0)
        errorCode_ = errnoOr(EIO);
    return n;
}

std::optional<std::uint64_t> FileSource::remaining() const
{
    if (!size_)
        return std::nullopt;
    // A file that shrank while being read has nothing left.
    return *size_ > position_ ? *size_ - position_ : 0;
}

}  // namespace tessara
