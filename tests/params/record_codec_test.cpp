// The record layouts beyond the committed fixtures: the list record's
// displayed flag and records cut short.

#include "params/record_codec.h"

#include "tests/params/test_support.h"

#include <gtest/gtest.h>

namespace tessara {
namespace {

using test::u32Bytes;

ParameterSet sampleSet()
{
    return ParameterSet::editorFromValues("AB", 2000.5, {1, 2, 3, 4, 5, 6, 7},
                                          {-1, -2, -3, -4, -5, -6, -7});
}

TEST(ParameterRecord, ListRecordAddsTheDisplayedFlagAnyNonZeroNumberShows)
{
    ParameterSet set = sampleSet();
    std::string body, withFlag;
    writeParameterRecord(body, set, false);
    writeParameterRecord(withFlag, set, true);
    EXPECT_EQ(withFlag, body + u32Bytes(1));
    for (const std::uint32_t flag : {0u, 7u}) {
        SCOPED_TRACE(flag);
        const std::string bytes = body + u32Bytes(flag);
        MemorySource in(bytes);
        ParameterSet read;
        read.displayed = flag == 0;
        ASSERT_EQ(readParameterRecord(in, read, true), RecordRead::Complete);
        EXPECT_EQ(read.displayed, flag != 0);
    }
}

TEST(ParameterRecord, DataEndingInsideKeepsWhatWasReadAndNothingElse)
{
    ParameterSet written = sampleSet();
    std::string bytes;
    writeParameterRecord(bytes, written, true);

    // Offsets for a 2-character name: epoch at 3, base/rate pairs from 11,
    // checksum at 123, flag at 127, end at 131.
    struct Case { const char* name; std::size_t cut; bool nameRead; bool epochRead; int basesRead; int ratesRead; bool checksumRead; };
    const Case cases[] = {
        {"inside the name", 2, false, false, 0, 0, false},
        {"inside the epoch", 10, true, false, 0, 0, false},
        {"between dx base and dx rate", 19, true, true, 1, 0, false},
        {"inside the checksum", 125, true, true, 7, 7, false},
        {"before the displayed flag", 127, true, true, 7, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySource in(std::string_view(bytes).substr(0, c.cut));
        ParameterSet set;
        set.displayed = false;
        ASSERT_EQ(readParameterRecord(in, set, true), RecordRead::Incomplete);
        EXPECT_EQ(set.name, c.nameRead ? "AB" : "");
        EXPECT_EQ(isUnset(set.epoch), !c.epochRead);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(isUnset(set.base[i]), static_cast<int>(i) >= c.basesRead) << i;
            EXPECT_EQ(isUnset(set.rate[i]), static_cast<int>(i) >= c.ratesRead) << i;
        }
        EXPECT_EQ(set.checksum, c.checksumRead ? written.checksum : kUnsetChecksum);
        EXPECT_FALSE(set.displayed);
    }
}

}  // namespace
}  // namespace tessara
