#include "filetransform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <locale.h>  // NOLINT(modernize-deprecated-headers): POSIX newlocale, strftime_l
#include <sys/stat.h>
#include <unistd.h>

namespace tessara {
namespace {

constexpr std::size_t kReadBlock = 1 << 20;
constexpr std::size_t kSmallBlock = 4096;
// Output files get the usual permissions, narrowed by the umask.
constexpr mode_t kNewFileMode = 0666;

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

FileIdentity identity(const struct stat& st)
{
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            S_ISREG(st.st_mode)};
}

std::uint64_t regularFileSize(int descriptor)
{
    struct stat st {};
    if (descriptor < 0 || fstat(descriptor, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd = -1;
    do
        fd = ::open(path, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

std::string errorText(int errorNumber)
{
    return std::strerror(errorNumber);
}

std::optional<FileIdentity> identityOf(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return identity(st);
}

std::optional<FileIdentity> identityOf(int descriptor)
{
    struct stat st {};
    if (fstat(descriptor, &st) != 0)
        return std::nullopt;
    return identity(st);
}

std::string localTimeText(const char* format, std::optional<std::time_t> when)
{
    const std::time_t t = when ? *when : std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[256];
    const std::size_t n = strftime_l(text, sizeof text, format, &local, cLocale());
    return std::string(text, n);
}

// --- LineReader -------------------------------------------------------------

LineReader::LineReader(int descriptor) : LineReader(descriptor, false, 0) {}

LineReader::LineReader(int descriptor, bool owned, int error)
    : descriptor_(descriptor), owned_(owned), error_(error), size_(regularFileSize(descriptor))
{
    // A small regular file gets a buffer of about its own size (the buffer
    // grows for a file that is longer by the time it is read); pipes,
    // terminals and large files read in whole blocks.
    if (descriptor_ >= 0)
        buffer_.resize(size_ > 0 && size_ < kReadBlock
                           ? std::max<std::size_t>(static_cast<std::size_t>(size_) + 1, kSmallBlock)
                           : kReadBlock);
}

LineReader LineReader::open(const std::string& path)
{
    const int fd = openRetrying(path.c_str(), O_RDONLY);
    return LineReader(fd, fd >= 0, fd >= 0 ? 0 : errno);
}

LineReader::LineReader(LineReader&& other) noexcept
    : descriptor_(other.descriptor_),
      owned_(other.owned_),
      error_(other.error_),
      atEnd_(other.atEnd_),
      buffer_(std::move(other.buffer_)),
      begin_(other.begin_),
      end_(other.end_),
      bytesRead_(other.bytesRead_),
      size_(other.size_)
{
    other.descriptor_ = -1;
    other.owned_ = false;
}

LineReader::~LineReader()
{
    if (owned_ && descriptor_ >= 0)
        ::close(descriptor_);
}

bool LineReader::fill()
{
    if (atEnd_ || error_ != 0 || descriptor_ < 0)
        return false;
    // Keep the unread part at the front; grow only for a line longer than
    // the whole buffer.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t n = ::read(descriptor_, buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            end_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            atEnd_ = true;
            return false;
        }
        if (errno != EINTR) {
            error_ = errno;
            return false;
        }
    }
}

bool LineReader::next(std::string_view& line)
{
    // Nothing was opened (or the reader was moved from): no buffer.
    if (buffer_.empty())
        return false;
    // Where the search for the line feed resumes after more was read.
    std::size_t searched = begin_;
    for (;;) {
        const void* found =
            std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        if (found) {
            const auto feed =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            std::size_t lineEnd = feed;
            if (lineEnd > begin_ && buffer_[lineEnd - 1] == '\r')
                --lineEnd;
            line = std::string_view(buffer_.data() + begin_, lineEnd - begin_);
            bytesRead_ += feed + 1 - begin_;
            begin_ = feed + 1;
            return true;
        }
        const std::size_t unreadBefore = begin_;
        searched = end_;
        if (!fill()) {
            // The last line may end without a line feed.
            if (error_ != 0 || begin_ == end_)
                return false;
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            bytesRead_ += end_ - begin_;
            begin_ = end_;
            return true;
        }
        // fill() moved the unread part to the front.
        searched -= unreadBefore;
    }
}

std::vector<std::string> LineReader::peekLines(std::size_t count)
{
    std::vector<std::string> lines;
    if (buffer_.empty())
        return lines;
    std::size_t p = begin_;
    while (lines.size() < count) {
        const void* found = std::memchr(buffer_.data() + p, '\n', end_ - p);
        if (!found) {
            const std::size_t offset = p - begin_;
            if (!fill()) {
                if (error_ == 0 && p < end_)
                    lines.emplace_back(buffer_.data() + p, end_ - p);
                break;
            }
            p = begin_ + offset;
            continue;
        }
        const auto feed =
            static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
        std::size_t lineEnd = feed;
        if (lineEnd > p && buffer_[lineEnd - 1] == '\r')
            --lineEnd;
        lines.emplace_back(buffer_.data() + p, lineEnd - p);
        p = feed + 1;
    }
    return lines;
}

// --- OutputWriter -----------------------------------------------------------

OutputWriter::OutputWriter(int descriptor) : OutputWriter(descriptor, false, 0) {}

OutputWriter::OutputWriter(int descriptor, bool owned, int error)
    : descriptor_(descriptor), owned_(owned), error_(error)
{
    if (descriptor_ >= 0)
        buffer_.reserve(kBlockSize + kBlockSize / 4);
}

OutputWriter OutputWriter::create(const std::string& path)
{
    const int fd = openRetrying(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, kNewFileMode);
    return OutputWriter(fd, fd >= 0, fd >= 0 ? 0 : errno);
}

OutputWriter OutputWriter::append(const std::string& path, bool create)
{
    const int flags = O_WRONLY | O_APPEND | (create ? O_CREAT : 0);
    const int fd = openRetrying(path.c_str(), flags, kNewFileMode);
    return OutputWriter(fd, fd >= 0, fd >= 0 ? 0 : errno);
}

OutputWriter::OutputWriter(OutputWriter&& other) noexcept
    : descriptor_(other.descriptor_),
      owned_(other.owned_),
      error_(other.error_),
      buffer_(std::move(other.buffer_))
{
    other.descriptor_ = -1;
    other.owned_ = false;
}

OutputWriter::~OutputWriter()
{
    if (owned_ && descriptor_ >= 0)
        ::close(descriptor_);
}

bool OutputWriter::flush()
{
    if (error_ != 0 || descriptor_ < 0)
        return false;
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        const ssize_t n = ::write(descriptor_, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
}

bool OutputWriter::close()
{
    const bool flushed = flush();
    if (owned_ && descriptor_ >= 0) {
        // A file system that reports a failed write only at close (a full
        // network disk) reports it here.
        if (::close(descriptor_) != 0 && flushed && errno != EINTR)
            error_ = errno;
        descriptor_ = -1;
        owned_ = false;
    }
    return flushed && error_ == 0;
}

}  // namespace tessara
