#include "filetransform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
      problem_(other.problem_),
      atEnd_(other.atEnd_),
      started_(other.started_),
      buffer_(std::move(other.buffer_)),
      begin_(other.begin_),
      end_(other.end_),
      feed_(other.feed_),
      return_(other.return_),
      bytesRead_(other.bytesRead_),
      size_(other.size_),
      stop_(std::move(other.stop_))
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
    if (atEnd_ || error_ != 0 || problem_ != InputProblem::None || descriptor_ < 0)
        return false;
    // Keep the unread part (and the lines being peeked) at the front; grow
    // only for a line longer than the whole buffer, which the line-length
    // limit bounds.
    const std::size_t shift = peeking_ ? peekStart_ : begin_;
    if (shift > 0) {
        std::memmove(buffer_.data(), buffer_.data() + shift, end_ - shift);
        end_ -= shift;
        begin_ -= shift;
        peekStart_ -= std::min(peekStart_, shift);
        for (NextByte* remembered : {&feed_, &return_}) {
            // A byte already passed over is forgotten, not moved to the front.
            if (remembered->at < shift)
                remembered->forget(0);
            else
                remembered->at -= shift;
        }
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t n = ::read(descriptor_, buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            const std::size_t from = end_;
            end_ += static_cast<std::size_t>(n);
            checkForNul(from);
            return problem_ == InputProblem::None;
        }
        if (n == 0) {
            atEnd_ = true;
            return false;
        }
        if (errno != EINTR || (stop_ && stop_())) {
            error_ = errno;
            return false;
        }
    }
}

namespace {

// UTF-16 text of mostly Latin letters has a NUL in every other byte.
bool looksLikeUtf16(const char* bytes, std::size_t size)
{
    const std::size_t pairs = std::min<std::size_t>(size, 64) / 2;
    if (pairs == 0)
        return false;
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        evenNuls += bytes[2 * i] == '\0' ? 1 : 0;
        oddNuls += bytes[2 * i + 1] == '\0' ? 1 : 0;
    }
    const auto most = [pairs](std::size_t n) { return 4 * n >= 3 * pairs; };
    const auto few = [pairs](std::size_t n) { return 4 * n < pairs; };
    return (most(oddNuls) && few(evenNuls)) || (most(evenNuls) && few(oddNuls));
}

}  // namespace

void LineReader::checkForNul(std::size_t from)
{
    if (!std::memchr(buffer_.data() + from, '\0', end_ - from))
        return;
    // At the start of the input the pattern tells UTF-16 from binary data.
    problem_ = !started_ && looksLikeUtf16(buffer_.data(), end_) ? InputProblem::Utf16
                                                                 : InputProblem::NulBytes;
}

void LineReader::start()
{
    started_ = true;
    if (buffer_.empty())
        return;
    while (end_ - begin_ < 3 && !atEnd_ && error_ == 0 && problem_ == InputProblem::None) {
        started_ = false;  // the first bytes are still being read
        fill();
        started_ = true;
    }
    const auto startsWith = [this](std::string_view mark) {
        return end_ - begin_ >= mark.size() &&
               std::memcmp(buffer_.data() + begin_, mark.data(), mark.size()) == 0;
    };
    if (startsWith("\xEF\xBB\xBF")) {
        // A UTF-8 byte-order mark belongs to no field.
        begin_ += 3;
        bytesRead_ += 3;
        feed_.forget(begin_);
        return_.forget(begin_);
    } else if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        problem_ = InputProblem::Utf16;
    }
}

std::size_t LineReader::NextByte::search(const std::vector<char>& buffer, std::size_t begin,
                                         std::size_t end, char byte)
{
    const std::size_t from = std::max(at, begin);
    const void* found = from < end ? std::memchr(buffer.data() + from, byte, end - from) : nullptr;
    known = found != nullptr;
    at = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data()) : end;
    return at;
}

bool LineReader::next(std::string_view& line)
{
    // Nothing was opened (or the reader was moved from): no buffer.
    if (buffer_.empty())
        return false;
    if (!started_)
        start();
    for (;;) {
        if (problem_ != InputProblem::None)
            return false;
        const std::size_t feed = feed_.find(buffer_, begin_, end_, '\n');
        const std::size_t ret = return_.find(buffer_, begin_, end_, '\r');
        std::size_t lineEnd = std::min(feed, ret);
        std::size_t after = 0;
        if (ret < feed) {
            // A carriage return ends the line, alone or as the first half of
            // CR LF; one that ends what was read may be followed by a line
            // feed not read yet.
            if (ret + 1 < end_ || atEnd_)
                after = ret + 1 < end_ && buffer_[ret + 1] == '\n' ? ret + 2 : ret + 1;
        } else if (feed < end_) {
            after = feed + 1;
        } else if (atEnd_ || error_ != 0) {
            // The last line may end without a line end; after a read error
            // the part line is not returned.
            if (error_ != 0 || begin_ == end_)
                return false;
            lineEnd = end_;
            after = end_;
        }
        if (after > 0 && lineEnd - begin_ <= kMaxLineLength) {
            line = std::string_view(buffer_.data() + begin_, lineEnd - begin_);
            bytesRead_ += after - begin_;
            begin_ = after;
            return true;
        }
        if (lineEnd - begin_ > kMaxLineLength || end_ - begin_ > kMaxLineLength + 1) {
            problem_ = InputProblem::LineTooLong;
            return false;
        }
        if (!fill() && !atEnd_)
            return false;
    }
}

std::vector<std::string> LineReader::peekLines(std::size_t count)
{
    std::vector<std::string> lines;
    if (buffer_.empty())
        return lines;
    if (!started_)
        start();
    // Read ahead as next() reads, keeping the bytes, then step back.
    peeking_ = true;
    peekStart_ = begin_;
    const std::uint64_t bytesBefore = bytesRead_;
    std::string_view line;
    while (lines.size() < count && next(line))
        lines.emplace_back(line);
    begin_ = peekStart_;
    bytesRead_ = bytesBefore;
    feed_.forget(begin_);
    return_.forget(begin_);
    peeking_ = false;
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

namespace {

// The permissions a new file gets: everything the umask leaves of rw-rw-rw-.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kNewFileMode & ~mask;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

OutputWriter OutputWriter::replace(const std::string& path)
{
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    const auto direct = [](const std::string& name, int flags) {
        const int fd = openRetrying(name.c_str(), flags, kNewFileMode);
        return OutputWriter(fd, fd >= 0, fd >= 0 ? 0 : errno);
    };
    // A pipe, terminal or device is written as it is; a folder fails to open.
    if (exists && !S_ISREG(st.st_mode))
        return direct(path, O_WRONLY);
    if (exists && ::access(path.c_str(), W_OK) != 0)
        return OutputWriter(-1, false, errno);
    std::string target = path;
    if (exists) {
        // Through links to the file itself, so that the link stays a link.
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);  // NOLINT(cppcoreguidelines-no-malloc): realpath allocates with malloc
        }
    } else {
        struct stat link {};
        // A link that leads nowhere yet: the file is made where it points.
        if (::lstat(path.c_str(), &link) == 0)
            return direct(path, O_WRONLY | O_CREAT | O_TRUNC);
    }
    std::string temporary = folderOf(target) + "/." + nameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        // A folder that cannot take a new file: an existing file that may be
        // written is still written in place, as it always could be.
        if (exists && (errno == EACCES || errno == EPERM || errno == EROFS))
            return direct(target, O_WRONLY | O_TRUNC);
        return OutputWriter(-1, false, errno);
    }
    ::fchmod(fd, exists ? (st.st_mode & 07777) : newFileMode());
    OutputWriter writer(fd, true, 0);
    writer.atomic_ = true;
    writer.temporary_ = std::move(temporary);
    writer.target_ = std::move(target);
    return writer;
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
      buffer_(std::move(other.buffer_)),
      bytesWritten_(other.bytesWritten_),
      atomic_(other.atomic_),
      temporary_(std::move(other.temporary_)),
      target_(std::move(other.target_))
{
    other.descriptor_ = -1;
    other.owned_ = false;
    other.temporary_.clear();
}

OutputWriter::~OutputWriter()
{
    if (!temporary_.empty())
        discard();
    if (owned_ && descriptor_ >= 0)
        ::close(descriptor_);
}

bool OutputWriter::commit()
{
    if (temporary_.empty())
        return close();
    bool ok = flush();
    // The bytes are on the disk before the name leads to them, so that a
    // power loss leaves the old file or the new one, never an empty one.
    if (ok && ::fsync(descriptor_) != 0 && errno != EINVAL) {
        error_ = errno;
        ok = false;
    }
    if (::close(descriptor_) != 0 && ok && errno != EINTR) {
        error_ = errno;
        ok = false;
    }
    descriptor_ = -1;
    owned_ = false;
    if (ok && std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
        ok = false;
    }
    if (!ok)
        ::unlink(temporary_.c_str());
    temporary_.clear();
    return ok;
}

void OutputWriter::discard()
{
    buffer_.clear();
    if (owned_ && descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    owned_ = false;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
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
            // The buffer keeps what was not written.
            buffer_.erase(0, static_cast<std::size_t>(data - buffer_.data()));
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
        bytesWritten_ += static_cast<std::uint64_t>(n);
    }
#ifdef __linux__
    // A replacing writer's file is made durable before it is renamed into
    // place. Starting the write-back of each block now lets the disk work
    // while the next block is computed, so the final fsync waits only for
    // the last one. A hint only: fsync reports any failure.
    if (atomic_ && !buffer_.empty()) {
        const auto start = static_cast<off64_t>(bytesWritten_ - buffer_.size());
        ::sync_file_range(descriptor_, start, static_cast<off64_t>(buffer_.size()),
                          SYNC_FILE_RANGE_WRITE);
    }
#endif
    buffer_.clear();
    return true;
}

bool OutputWriter::close()
{
    if (!temporary_.empty())
        return commit();
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
