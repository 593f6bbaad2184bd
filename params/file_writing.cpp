#include "params/file_writing.h"

#include "params/file_error.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessara {
namespace {

namespace fs = std::filesystem;

int errnoOr(int fallback) { return errno != 0 ? errno : fallback; }

// Writes everything and closes the stream; the first error wins. Errors that
// the stream's buffer hides until the end show up at the flush or close.
int writeAndClose(std::FILE* file, std::string_view bytes)
{
    int error = 0;
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        error = errnoOr(EIO);
    errno = 0;
    if (error == 0 && std::fflush(file) != 0)
        error = errnoOr(EIO);
    errno = 0;
    if (std::fclose(file) != 0 && error == 0)
        error = errnoOr(EIO);
    return error;
}

// A new file beside the target, created exclusively so that no other file
// is ever overwritten; nullptr with the error number when none can be made.
std::FILE* createTemporaryBeside(const std::string& target, std::string& name, int& error)
{
    constexpr int kAttempts = 1000;
    for (int n = 0; n < kAttempts; ++n) {
        std::array<char, 16> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
        name = target + ".tmp" + std::string(digits.data(), end);
        errno = 0;
        if (std::FILE* file = std::fopen(name.c_str(), "wbx"))
            return file;
        error = errnoOr(EIO);
        if (error != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// What a save writes to: the name itself, or, through links, the name the
// last link points to. 0 when that is a regular file or does not exist yet;
// otherwise why it may not be replaced.
int resolveSaveTarget(const std::string& path, std::string& target)
{
    // The platform's own limit on links followed in one path.
    constexpr int kMaxLinks = 40;
    fs::path current = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return errnoOr(EIO);
            target = current.string();
            return 0;
        }
        if (S_ISREG(status.st_mode)) {
            target = current.string();
            return 0;
        }
        if (S_ISDIR(status.st_mode))
            return EISDIR;
        if (!S_ISLNK(status.st_mode))
            return kErrorNotRegularFile;
        std::error_code ec;
        const fs::path link = fs::read_symlink(current, ec);
        if (ec)
            return ec.value();
        const fs::path next = link.is_absolute() ? link : current.parent_path() / link;
        // A link the system follows to a file that no name reaches (a
        // deleted file, a descriptor under /proc) cannot be replaced by name.
        struct stat followed {};
        struct stat named {};
        if (::stat(current.c_str(), &followed) == 0 && ::lstat(next.c_str(), &named) != 0)
            return kErrorNotRegularFile;
        current = next;
    }
    return ELOOP;
}

int writeInPlace(const std::string& path, std::string_view bytes)
{
    if (isReadOnly(path))
        clearReadOnly(path);
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return errnoOr(EIO);
    return writeAndClose(file, bytes);
}

}  // namespace

bool isReadOnly(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return !ec && fs::exists(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void clearReadOnly(const std::string& path)
{
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

void setReadOnly(const std::string& path)
{
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
}

int replaceFile(const std::string& path, std::string_view bytes)
{
    std::string target;
    if (const int refused = resolveSaveTarget(path, target); refused != 0)
        return refused;
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool existed = !ec && fs::exists(old);

    std::string temporary;
    int error = 0;
    std::FILE* file = createTemporaryBeside(target, temporary, error);
    if (file == nullptr) {
        // A folder that takes no new files may still hold a writable file:
        // then the file can only be written where it is.
        if (existed && (error == EACCES || error == EPERM))
            return writeInPlace(target, bytes);
        return error != 0 ? error : EEXIST;
    }
    error = writeAndClose(file, bytes);
    if (error == 0 && existed) {
        fs::permissions(temporary, old.permissions() | fs::perms::owner_write,
                        fs::perm_options::replace, ec);
        error = ec ? ec.value() : 0;
    }
    errno = 0;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = errnoOr(EIO);
    if (error != 0)
        std::remove(temporary.c_str());
    return error;
}

namespace {

// An open file descriptor, closed when it goes (which also releases a lock
// taken through it).
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd = -1;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int lockExclusively(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return errnoOr(EIO);
    }
    return 0;
}

int readWhole(int fd, std::string& bytes)
{
    bytes.clear();
    std::array<char, 8192> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errnoOr(EIO);
        if (got == 0)
            return 0;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

int writeWhole(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return errnoOr(EIO);
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
}

int cutTo(int fd, std::size_t length)
{
    return ::ftruncate(fd, static_cast<off_t>(length)) == 0 ? 0 : errnoOr(EIO);
}

// How much of a list file's content to keep: all of it when it ends with a
// whole record; else up to the end of its last whole record (or nothing when
// even the marker is cut). Nothing when the marker is another one.
struct KeptLength {
    std::size_t length = 0;
    bool foreignMarker = false;
};
KeptLength wholeRecordsLength(std::string_view bytes, std::string_view marker,
                              ListRecordReader readRecord)
{
    if (bytes.size() < marker.size())
        return {0, !marker.starts_with(bytes)};
    if (!bytes.starts_with(marker))
        return {0, true};
    MemorySource in(bytes.substr(marker.size()));
    std::size_t kept = marker.size();
    while (in.remaining().value_or(0) > 0 && readRecord(in))
        kept = bytes.size() - static_cast<std::size_t>(in.remaining().value_or(0));
    return {kept, false};
}

// The append itself, under the lock, on a descriptor open for reading and
// writing. Any permission change happens here too, so that one process's
// restored protection cannot shut another out between its checks.
ListAppend appendLocked(int fd, std::string_view marker, std::string_view record,
                        ListRecordReader readRecord)
{
    ListAppend result;
    std::string content;
    if ((result.error = readWhole(fd, content)) != 0)
        return result;
    const KeptLength kept = wholeRecordsLength(content, marker, readRecord);
    if (kept.foreignMarker) {
        result.error = kErrorNotListFile;
        return result;
    }
    if (kept.length < content.size()) {
        if ((result.error = cutTo(fd, kept.length)) != 0)
            return result;
        result.droppedDamagedRecord = true;
    }
    std::string bytes;
    if (kept.length == 0)
        bytes.append(marker);
    bytes.append(record);
    if (::lseek(fd, static_cast<off_t>(kept.length), SEEK_SET) < 0) {
        result.error = errnoOr(EIO);
        return result;
    }
    result.error = writeWhole(fd, bytes);
    // A record reported saved must survive a power loss as well.
    if (result.error == 0 && ::fsync(fd) != 0)
        result.error = errnoOr(EIO);
    // The first error is the one reported, even if the cut back fails too.
    if (result.error != 0)
        cutTo(fd, kept.length);
    return result;
}

void removeWritePermissions(int fd, mode_t mode)
{
    ::fchmod(fd, mode & mode_t{07777} & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH});
}

}  // namespace

ListAppend appendToListFile(const std::string& path, std::string_view marker,
                            std::string_view record, ListRecordReader readRecord)
{
    ListAppend result;
    // The name is opened as it is, so the system follows any link to the
    // file (the checks of the file's type come once it is locked). The first
    // append creates the file; of two first appends at once, one creates it
    // and the other opens what the first created.
    Descriptor lock(openRetrying(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666));
    const bool created = lock.valid();
    if (!created) {
        if (errno != EEXIST) {
            result.error = errnoOr(EIO);
            return result;
        }
        // Reading needs no write permission, so the lock is taken before the
        // protection is touched; no wait on a FIFO's other end.
        lock.reset(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
        // A link to a name that does not exist yet makes that file; two
        // such first appends meet at the length check under the lock.
        if (!lock.valid() && errno == ENOENT)
            lock.reset(openRetrying(path.c_str(), O_RDWR | O_CREAT, 0666));
        if (!lock.valid()) {
            result.error = errnoOr(EIO);
            return result;
        }
    }
    if ((result.error = lockExclusively(lock.get())) != 0)
        return result;
    struct stat status {};
    if (::fstat(lock.get(), &status) != 0) {
        result.error = errnoOr(EIO);
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.error = S_ISDIR(status.st_mode) ? EISDIR : kErrorNotRegularFile;
        return result;
    }
    if (created) {
        result = appendLocked(lock.get(), marker, record, readRecord);
    } else {
        ::fchmod(lock.get(), (status.st_mode & mode_t{07777}) | S_IWUSR);
        Descriptor file(openRetrying(path.c_str(), O_RDWR));
        if (file.valid())
            result = appendLocked(file.get(), marker, record, readRecord);
        else
            result.error = errnoOr(EIO);
    }
    removeWritePermissions(lock.get(), status.st_mode);
    return result;
}

std::string droppedRecordMessage(const std::string& path)
{
    return path + ": the last record was cut short (an earlier save did not finish); "
                  "it has been removed";
}

}  // namespace tessara
