#include "params/file_writing.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

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
    std::error_code ec;
    std::string target = path;
    // Saving through a link keeps the link and replaces the file behind it.
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::canonical(path, ec);
        if (!ec)
            target = resolved.string();
    }
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

int appendToListFile(const std::string& path, std::string_view marker, std::string_view record)
{
    if (isReadOnly(path))
        clearReadOnly(path);
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
        const int error = errnoOr(EIO);
        setReadOnly(path);
        return error;
    }
    errno = 0;
    const long previousLength = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1L;
    if (previousLength < 0) {
        const int error = errnoOr(EIO);
        std::fclose(file);
        setReadOnly(path);
        return error;
    }
    std::string bytes;
    if (previousLength == 0)
        bytes.append(marker);
    bytes.append(record);

    const int error = writeAndClose(file, bytes);
    if (error != 0) {
        std::error_code ec;
        fs::resize_file(path, static_cast<std::uintmax_t>(previousLength), ec);
    }
    setReadOnly(path);
    return error;
}

}  // namespace tessara
