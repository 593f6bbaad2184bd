#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
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

// What makes an input unusable as a point file; the reader stops there.
enum class InputProblem {
    None,
    Utf16,        // UTF-16 text (a byte-order mark, or NULs in every other byte)
    NulBytes,     // NUL bytes: binary data, not text
    LineTooLong,  // a line longer than kMaxLineLength (or no line end at all)
};

// The longest line a point file may hold. Memory stays bounded whatever the
// input (an endless line, /dev/zero) because a longer line ends the reading.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

// Lines of a text file or stream, read in large blocks. A line feed, a
// carriage return and line feed, or a carriage return alone ends a line,
// and is not part of it; a UTF-8 byte-order mark at the start of the input
// is skipped. A line's text stays valid until the next call. Memory stays at
// the block size, and never above twice the longest line allowed.
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
    // Why the reading stopped early on text it cannot take.
    InputProblem problem() const { return problem_; }

    // The next line; false at the end of the input, after a read error or
    // at a problem.
    bool next(std::string_view& line);
    // Up to `count` of the lines not read yet, which next() still returns.
    std::vector<std::string> peekLines(std::size_t count);

    // Bytes of the lines returned so far, line ends (and a skipped
    // byte-order mark) included.
    std::uint64_t bytesRead() const { return bytesRead_; }
    // The size of a regular file; 0 when unknown (a pipe, a terminal).
    std::uint64_t size() const { return size_; }

    // Asked when a read is interrupted by a signal: true ends the reading
    // (error() is then EINTR), false reads on.
    void setInterruptCheck(std::function<bool()> stop) { stop_ = std::move(stop); }

private:
    LineReader(int descriptor, bool owned, int error);
    // Reads more into the buffer, keeping the unread part (and the peeked
    // lines); false at the end of the input, on an error or a problem.
    bool fill();
    // The byte-order marks at the start of the input.
    void start();
    // Notes NULs in newly read bytes as a problem.
    void checkForNul(std::size_t from);

    int descriptor_;
    bool owned_;
    int error_;
    InputProblem problem_ = InputProblem::None;
    bool atEnd_ = false;
    bool started_ = false;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // end of the bytes read
    // Where the next byte of one kind (a line feed, a carriage return) lies
    // at or after the first unread byte, remembered between lines: a file
    // that has none of a kind is searched for it once per block read, not
    // once per line.
    struct NextByte {
        std::size_t at = 0;  // its place when known; else none lies before it
        bool known = false;
        // The place of the byte from `begin` on, or `end` when none is read yet.
        std::size_t find(const std::vector<char>& buffer, std::size_t begin, std::size_t end,
                         char byte)
        {
            if (known && at >= begin)
                return at;
            return search(buffer, begin, end, byte);
        }
        std::size_t search(const std::vector<char>& buffer, std::size_t begin, std::size_t end,
                           char byte);
        void forget(std::size_t begin)
        {
            at = begin;
            known = false;
        }
    };
    NextByte feed_;
    NextByte return_;
    // While lines are peeked, the bytes from peekStart_ on are kept.
    bool peeking_ = false;
    std::size_t peekStart_ = 0;
    std::uint64_t bytesRead_ = 0;
    std::uint64_t size_ = 0;
    std::function<bool()> stop_;
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
    // Writes a file that replaces `path` only when all of it was written:
    // the bytes go to a temporary file in the same folder, which commit()
    // renames over the name in one step; whenever the writing fails or is
    // abandoned the old file stays as it was and the temporary file goes.
    // A link to a regular file replaces the file behind it, keeping its
    // permissions. A name that leads to a pipe, a terminal or a device is
    // written directly, since nothing can be replaced there; a read-only
    // file is refused (EACCES) as opening it for writing would be.
    static OutputWriter replace(const std::string& path);

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
    // Writes the buffer out; false (with error()) when a write failed, and
    // the buffer then holds the bytes not written.
    bool flush();
    // Bytes that reached the descriptor so far.
    std::uint64_t bytesWritten() const { return bytesWritten_; }
    // Flushes and closes an owned descriptor (only flushes another one);
    // a replacing writer commits.
    bool close();
    // Whether the output appears only on commit (see replace()).
    bool replacesAtomically() const { return atomic_; }
    // Flushes, makes the bytes durable and renames the temporary file into
    // place; false (with error()) when a step failed, the old file kept.
    bool commit();
    // Abandons a replacing writer's output: the temporary file is removed.
    // Another writer is only closed.
    void discard();

    static constexpr std::size_t kBlockSize = 1 << 20;

private:
    OutputWriter(int descriptor, bool owned, int error);

    int descriptor_;
    bool owned_;
    int error_;
    std::string buffer_;
    std::uint64_t bytesWritten_ = 0;
    bool atomic_ = false;
    std::string temporary_;  // the file written, while replacing
    std::string target_;     // the file it replaces
};

}  // namespace tessara
