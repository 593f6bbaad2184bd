#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Plain file input and output for point files and the log: buffered line
// reading, buffered writing, the platform's error texts, file identity and
// local time texts. Nothing here depends on the process locale.
namespace tessara {

// The platform's text for an error number (strerror).
std::string errorText(int errorNumber);

// A file's identity: the same device and inode is the same file, whatever
// names lead to it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool regularFile = false;  // not a terminal, pipe or device
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
std::optional<FileIdentity> identityOf(const std::string& path);
std::optional<FileIdentity> identityOf(int descriptor);

// Local time as strftime writes it in the C locale (English month and day
// names); `when` of none is now.
std::string localTimeText(const char* format, std::optional<std::time_t> when = {});

// Lines of a text file or stream, read in large blocks. A line is returned
// without its line feed and a carriage return before it; its text stays
// valid until the next call. Memory stays at the block size unless a single
// line is longer.
class LineReader {
public:
    // Reads from a descriptor the caller opened and closes (stdin, a pipe).
    explicit LineReader(int descriptor);
    // Opens a file; on failure isOpen() is false and error() says why.
    static LineReader open(const std::string& path);

    LineReader(LineReader&& other) noexcept;
    LineReader& operator=(LineReader&&) = delete;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    ~LineReader();

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    // The errno of a failed open or read; 0 when none failed.
    int error() const { return error_; }

    // The next line; false at the end of the input or after a read error.
    bool next(std::string_view& line);
    // Up to `count` of the lines not read yet, which next() still returns.
    std::vector<std::string> peekLines(std::size_t count);

    // Bytes of the lines returned so far, line ends included.
    std::uint64_t bytesRead() const { return bytesRead_; }
    // The size of a regular file; 0 when unknown (a pipe, a terminal).
    std::uint64_t size() const { return size_; }

private:
    LineReader(int descriptor, bool owned, int error);
    // Reads more into the buffer, keeping the unread part; false at the end
    // of the input or on an error.
    bool fill();

    int descriptor_;
    bool owned_;
    int error_;
    bool atEnd_ = false;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // end of the bytes read
    std::uint64_t bytesRead_ = 0;
    std::uint64_t size_ = 0;
};

// Output collected in one large buffer and written in blocks.
class OutputWriter {
public:
    // Writes to a descriptor the caller opened and closes (stdout).
    explicit OutputWriter(int descriptor);
    // Creates (or empties) a file, readable and writable by others as the
    // umask allows; on failure isOpen() is false and error() says why.
    static OutputWriter create(const std::string& path);
    // Opens a file to write at its end: created when `create` is set,
    // else it must exist.
    static OutputWriter append(const std::string& path, bool create);

    OutputWriter(OutputWriter&& other) noexcept;
    OutputWriter& operator=(OutputWriter&&) = delete;
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;
    // Closes an owned descriptor without writing what is left: call close().
    ~OutputWriter();

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    int error() const { return error_; }

    // Append here; call flushIfFull() now and then.
    std::string& buffer() { return buffer_; }
    bool flushIfFull()
    {
        return buffer_.size() < kBlockSize || flush();
    }
    // Writes the buffer out; false (with error()) when a write failed.
    bool flush();
    // Flushes and closes an owned descriptor (only flushes another one).
    bool close();

    static constexpr std::size_t kBlockSize = 1 << 20;

private:
    OutputWriter(int descriptor, bool owned, int error);

    int descriptor_;
    bool owned_;
    int error_;
    std::string buffer_;
};

}  // namespace tessara
