#include "params/length_prefixed_text.h"

#include "tests/params/test_support.h"

#include <gtest/gtest.h>

namespace tessara {
namespace {

using test::leBytes;

// A source that cannot say how much is left, as a pipe: long texts are then
// read in pieces.
class UnsizedSource final : public ByteSource {
public:
    explicit UnsizedSource(std::string_view bytes) : memory_(bytes) {}
    std::size_t read(void* buffer, std::size_t size) override { return memory_.read(buffer, size); }
    std::optional<std::uint64_t> remaining() const override { return std::nullopt; }

private:
    MemorySource memory_;
};

TEST(LengthPrefixedText, PrefixFormChangesAtTheBoundaries)
{
    struct Case { const char* name; std::size_t length; std::string prefix; };
    const Case cases[] = {
        {"empty", 0, leBytes(0, 1)},
        {"longest one-byte form", 254, leBytes(254, 1)},
        {"255 needs the 3-byte form", 255, "\xFF" + leBytes(255, 2)},
        {"longest 3-byte form", 0xFFFD, "\xFF" + leBytes(0xFFFD, 2)},
        {"0xFFFE needs the 7-byte form", 0xFFFE, "\xFF\xFF\xFF" + leBytes(0xFFFE, 4)},
        {"longer than one piece of an unsized read", 0x20005, "\xFF\xFF\xFF" + leBytes(0x20005, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text(c.length, 'n');
        for (std::size_t i = 0; i < text.size(); i += 1000)
            text[i] = static_cast<char>('a' + i % 26);
        std::string out;
        appendLengthPrefixedText(out, text);
        ASSERT_EQ(out.size(), c.prefix.size() + c.length);
        EXPECT_EQ(out.substr(0, c.prefix.size()), c.prefix);

        MemorySource in(out);
        std::string back = "previous";
        ASSERT_TRUE(readLengthPrefixedText(in, back));
        EXPECT_EQ(back, text);
        EXPECT_EQ(in.remaining(), 0u);
        UnsizedSource unsized(out);
        ASSERT_TRUE(readLengthPrefixedText(unsized, back = "previous"));
        EXPECT_EQ(back, text);
    }
}

TEST(LengthPrefixedText, DataEndingInsideTheTextLeavesItUnchanged)
{
    struct Case { const char* name; std::string bytes; };
    const Case cases[] = {
        {"nothing", ""},
        {"short form, bytes missing", leBytes(5, 1) + "abc"},
        {"3-byte form cut in its length", "\xFF" + leBytes(7, 1)},
        {"7-byte form cut in its length", "\xFF\xFF\xFF" + leBytes(7, 2)},
        {"largest length there is", "\xFF\xFF\xFF" + leBytes(0xFFFFFFFF, 4) + "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySource in(c.bytes);
        UnsizedSource unsized(c.bytes);
        std::string text = "previous";
        EXPECT_FALSE(readLengthPrefixedText(in, text));
        EXPECT_FALSE(readLengthPrefixedText(unsized, text));
        EXPECT_EQ(text, "previous");
    }
    const std::string longer = "\xFF" + leBytes(3, 2) + "abc";  // a longer prefix than needed is read as written
    MemorySource in(longer);
    std::string text;
    EXPECT_TRUE(readLengthPrefixedText(in, text) && text == "abc");
}

}  // namespace
}  // namespace tessara
