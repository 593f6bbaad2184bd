#include "filetransform/file_io.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace tessara {
namespace {

std::vector<std::string> allLines(LineReader& reader)
{
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
    return lines;
}

TEST(LineReader, LineEndsAndTextItCannotTake)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;  // all, or those returned before the reading stopped
        InputProblem problem;
    };
    // The longest line taken is longer than one read block.
    const std::string longest(kMaxLineLength, 'x'), tooLong(kMaxLineLength + 1, 'x');
    const auto none = InputProblem::None, utf16 = InputProblem::Utf16;
    const Case cases[] = {
        {"a\r\nb\rc\nd\r", {"a", "b", "c", "d"}, none},
        {"a\rb\rc", {"a", "b", "c"}, none},
        {"\n\na\n\r\r\n", {"", "", "a", "", ""}, none},
        {"\xEF\xBB\xBF-33.5,151.2\r\n", {"-33.5,151.2"}, none},  // a UTF-8 mark is skipped
        {"\xEF\xBB\xBF", {}, none},
        {"", {}, none},
        {"a\n" + longest + "\r\nb\n", {"a", longest, "b"}, none},
        {std::string("\xFF\xFE" "1\0,\0" "2\0\n\0", 10), {}, utf16},
        {std::string("\xFE\xFF\0" "1\0,\0" "2\0\n", 10), {}, utf16},
        {std::string("-\0" "3\0" "3\0,\0" "1\0" "5\0" "1\0\n\0", 16), {}, utf16},
        {std::string("P1,-33.5,151.2\nP2,\0\0,151.2\n", 27), {}, InputProblem::NulBytes},
        {"a\n" + tooLong + "\nb\n", {"a"}, InputProblem::LineTooLong},
        {tooLong + tooLong, {}, InputProblem::LineTooLong},
    };
    testing::TempFolder folder;
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(row++);
        testing::writeFile(folder.file("f"), c.bytes);
        LineReader reader = LineReader::open(folder.file("f"));
        ASSERT_TRUE(reader.isOpen());
        EXPECT_EQ(reader.size(), c.bytes.size());
        EXPECT_EQ(c.problem == none ? reader.peekLines(c.lines.size() + 1) : c.lines, c.lines);
        EXPECT_EQ(allLines(reader), c.lines);
        EXPECT_EQ(reader.problem(), c.problem);
        std::string_view line;
        EXPECT_FALSE(reader.next(line));
        EXPECT_TRUE(c.problem != none || (reader.bytesRead() == c.bytes.size() && reader.error() == 0));
    }
}

// A pipe whose writer runs until the reader closes its end.
struct Pipe {
    int fds[2] = {-1, -1};
    std::thread writer;
    explicit Pipe(std::function<void(int)> write)
    {
        EXPECT_EQ(pipe(fds), 0);
        writer = std::thread([this, write] { write(fds[1]), close(fds[1]); });
    }
    ~Pipe()
    {
        close(fds[0]);
        writer.join();
    }
};

// An endless line through a pipe is stopped in bounded memory: the program's
// end-to-end run.
TEST(LineReader, LineEndsSplitAcrossReads)
{
    // A carriage return that ends one read may be the first half of CR LF.
    const Pipe split([](int fd) {
        EXPECT_EQ(write(fd, "a\r", 2), 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(write(fd, "\nb\r", 3), 3);
    });
    LineReader reader(split.fds[0]);
    EXPECT_EQ(allLines(reader), (std::vector<std::string>{"a", "b"}));
}

TEST(LineReader, FileThatGrowsAfterOpening)
{
    // The buffer is sized from the file at opening; what is appended later,
    // here a line far longer than that, is still read whole.
    testing::TempFolder folder;
    testing::writeFile(folder.file("f"), "a\n");
    LineReader reader = LineReader::open(folder.file("f"));
    const std::string longLine(20000, 'x');
    testing::writeFile(folder.file("f"), "a\n" + longLine + "\nb\n");
    EXPECT_EQ(allLines(reader), (std::vector<std::string>{"a", longLine, "b"}));
}

TEST(LineReader, PeekedLinesAreStillRead)
{
    // Through a pipe, as from standard input: no size, nothing to re-read.
    std::string bytes;
    for (int i = 0; i < 30; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    const Pipe input([&bytes](int fd) { EXPECT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); });
    LineReader reader(input.fds[0]);
    EXPECT_EQ(reader.size(), 0u);
    const std::vector<std::string> first = reader.peekLines(20);
    EXPECT_EQ(reader.bytesRead(), 0u);
    const std::vector<std::string> all = allLines(reader);
    ASSERT_TRUE(first.size() == 20u && all.size() == 30u);
    EXPECT_EQ(first.front() + "|" + first.back() + "|" + all[19] + "|" + all[29], "line 0|line 19|line 19|line 29");
    EXPECT_EQ(reader.peekLines(5).size(), 0u);
}

}  // namespace
}  // namespace tessara
