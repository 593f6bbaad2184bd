#include "filetransform/file_io.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
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

TEST(LineReader, LineEnds)
{
    struct Case { const char* name; std::string bytes; std::vector<std::string> lines; };
    // The longest line taken, longer than one read block.
    const std::string longLine(kMaxLineLength, 'x');
    const Case cases[] = {
        {"line feeds", "a\nb\n", {"a", "b"}},
        {"carriage return and line feed", "a\r\nb\r\n", {"a", "b"}},
        {"carriage returns alone", "a\rb\rc", {"a", "b", "c"}},
        {"all three mixed", "a\r\nb\rc\nd\r", {"a", "b", "c", "d"}},
        {"no line end at the end", "a\nb", {"a", "b"}},
        {"empty lines", "\n\na\n\r\r\n", {"", "", "a", "", ""}},
        {"a UTF-8 byte-order mark is skipped", "\xEF\xBB\xBF-33.5,151.2\r\n", {"-33.5,151.2"}},
        {"a byte-order mark alone", "\xEF\xBB\xBF", {}},
        {"nothing", "", {}},
        {"the longest line", "a\n" + longLine + "\r\nb\n", {"a", longLine, "b"}},
    };
    testing::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeFile(folder.file("f"), c.bytes);
        LineReader reader = LineReader::open(folder.file("f"));
        ASSERT_TRUE(reader.isOpen());
        EXPECT_EQ(reader.size(), c.bytes.size());
        EXPECT_EQ(reader.peekLines(c.lines.size() + 1), c.lines);
        EXPECT_EQ(allLines(reader), c.lines);
        EXPECT_EQ(reader.bytesRead(), c.bytes.size());
        EXPECT_EQ(reader.error(), 0);
        EXPECT_EQ(reader.problem(), InputProblem::None);
    }
}

TEST(LineReader, TextItCannotTakeStopsTheReading)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;  // returned before the reading stopped
        InputProblem problem;
    };
    const std::string tooLong(kMaxLineLength + 1, 'x');
    const Case cases[] = {
        {"UTF-16 little-endian with its mark", std::string("\xFF\xFE" "1\0,\0" "2\0\n\0", 10), {},
         InputProblem::Utf16},
        {"UTF-16 big-endian with its mark", std::string("\xFE\xFF\0" "1\0,\0" "2\0\n", 10), {},
         InputProblem::Utf16},
        {"UTF-16 without a mark", std::string("-\0" "3\0" "3\0,\0" "1\0" "5\0" "1\0\n\0", 16), {},
         InputProblem::Utf16},
        {"NUL bytes in text", std::string("P1,-33.5,151.2\nP2,\0\0,151.2\n", 27), {},
         InputProblem::NulBytes},
        {"a line one byte too long", "a\n" + tooLong + "\nb\n", {"a"}, InputProblem::LineTooLong},
        {"no line end at all", tooLong + tooLong, {}, InputProblem::LineTooLong},
    };
    testing::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeFile(folder.file("f"), c.bytes);
        LineReader reader = LineReader::open(folder.file("f"));
        EXPECT_EQ(allLines(reader), c.lines);
        EXPECT_EQ(reader.problem(), c.problem);
        std::string_view line;
        EXPECT_FALSE(reader.next(line));
    }
}

TEST(LineReader, EndlessLineFromAPipeEndsWithinTheBound)
{
    // An endless line from a pipe (as from /dev/zero through tr) is not
    // gathered in memory: the reading stops past the longest line allowed.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread writer([fd = fds[1]] {
        const std::string block(65536, 'x');
        // Written until the reader closes its end.
        while (write(fd, block.data(), block.size()) > 0) {
        }
        close(fd);
    });
    signal(SIGPIPE, SIG_IGN);
    {
        LineReader reader(fds[0]);
        std::string_view line;
        EXPECT_FALSE(reader.next(line));
        EXPECT_EQ(reader.problem(), InputProblem::LineTooLong);
        close(fds[0]);
    }
    writer.join();
}

TEST(LineReader, CarriageReturnAndLineFeedInTwoReads)
{
    // A carriage return that ends one read may be the first half of CR LF.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread writer([fd = fds[1]] {
        EXPECT_EQ(write(fd, "a\r", 2), 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(write(fd, "\nb\r", 3), 3);
        close(fd);
    });
    LineReader reader(fds[0]);
    EXPECT_EQ(allLines(reader), (std::vector<std::string>{"a", "b"}));
    writer.join();
    close(fds[0]);
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
    testing::TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 30; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    testing::writeFile(folder.file("f"), bytes);

    // Through a pipe, as from standard input: no size, nothing to re-read.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fds[1]);
    LineReader reader(fds[0]);
    EXPECT_EQ(reader.size(), 0u);
    const std::vector<std::string> first = reader.peekLines(20);
    ASSERT_EQ(first.size(), 20u);
    EXPECT_EQ(first.front(), "line 0");
    EXPECT_EQ(first.back(), "line 19");
    EXPECT_EQ(reader.bytesRead(), 0u);
    const std::vector<std::string> all = allLines(reader);
    ASSERT_EQ(all.size(), 30u);
    EXPECT_EQ(all[19], "line 19");
    EXPECT_EQ(all[29], "line 29");
    EXPECT_EQ(reader.peekLines(5).size(), 0u);
    close(fds[0]);
}

}  // namespace
}  // namespace tessara
