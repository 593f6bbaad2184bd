#include "filetransform/file_io.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

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
    const std::string longLine(3 << 20, 'x');  // longer than one read block
    const Case cases[] = {
        {"line feeds", "a\nb\n", {"a", "b"}},
        {"carriage return and line feed", "a\r\nb\r\n", {"a", "b"}},
        {"no line feed at the end", "a\nb", {"a", "b"}},
        {"empty lines", "\n\na\n\n", {"", "", "a", ""}},
        {"a carriage return alone stays", "a\rb\n", {"a\rb"}},
        {"a carriage return at the very end stays", "a\r", {"a\r"}},
        {"an embedded NUL stays", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
        {"nothing", "", {}},
        {"a line longer than the buffer", "a\n" + longLine + "\r\nb\n", {"a", longLine, "b"}},
    };
    testing::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeFile(folder.file("f"), c.bytes);
        LineReader reader = LineReader::open(folder.file("f"));
        ASSERT_TRUE(reader.isOpen());
        EXPECT_EQ(reader.size(), c.bytes.size());
        EXPECT_EQ(allLines(reader), c.lines);
        EXPECT_EQ(reader.bytesRead(), c.bytes.size());
        EXPECT_EQ(reader.error(), 0);
    }
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
