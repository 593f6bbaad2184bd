#include "filetransform/log_file.h"

#include "records/builtin_records.h"
#include "values/epoch.h"
#include "values/formatting.h"
#include "values/readers.h"

#include "support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

namespace tessara {
namespace {

using testing::readFile;

// The form's engine after the worked example: ITRF2000 at 2002.0, the
// point read in DMS (or DM) and transformed, formatted at the form's own
// precisions (which the log does not use).
PointTransformer computed(bool dm = false)
{
    PointTransformer pt;
    pt.parameters = builtInParameterSets().front();
    pt.ellipsoid = builtInEllipsoid();
    pt.identifier = "ALIC";
    EXPECT_TRUE(ReadEpoch(pt, "2002.0", EpochMode::DecimalYear));
    EXPECT_TRUE(dm ? ReadDm(pt, "23", "40.207434", "133", "53.130796")
                   : ReadDms(pt, "23", "40", "12.44604", "133", "53", "7.84777"));
    ApplyInputHemisphere(pt, 0, 0);
    EXPECT_TRUE(ReadHeight(pt, "603.35"));
    pt.GeographicToCartesian();
    pt.Transform(Direction::ItrfToGda94);
    pt.CartesianToGeographic();
    EXPECT_EQ(pt.CheckGeographicRange(), 0);
    FormatOutputPoint(pt, OutputPrecision{1, 1, 1, 1, 1});
    return pt;
}

constexpr LogRecordChoice kDms{1, AngleNotation::Dms, AngleNotation::Dms};
const std::optional<std::string> kNoRoom("Error writing log file\n\nNo space left on device");

TEST(LogFile, RecordColumns)
{
    const PointTransformer pt = computed();
    const std::string record = logRecordText(pt, kDms);
    ASSERT_EQ(record.substr(record.size() - 2), "\r\n");
    std::string line = record.substr(0, record.size() - 2);

    // The input degrees one column in; the Cartesian output at the log's 3 decimals with
    // the X point at 108 + 8; the geographic output without a sign place, degrees from
    // column 160, seconds at 5 decimals.
    const auto at = [&](std::size_t from, std::size_t count) { return "[" + line.substr(from, count) + "]"; };
    EXPECT_EQ(at(0, 8) + at(16, 8) + at(29, 14) + at(77, 7) + at(108, 12) + at(159, 4) + at(164, 2) +
                  at(167, 6) + at(175, 2) + at(177, 3) + at(210, std::string::npos),
              "[ITRF2000][2002.000][ 23 40 12.4460][| GDA94][-4052051.482][ 23 ][40][12.460][  ][133][|  ALIC]");
    // The form's own precision of 1 decimal is not used, nor changed.
    EXPECT_EQ(pt.outputX.find('.') + 2, pt.outputX.size());

    // The reverse direction. The engine read decimal degrees after DM: the DM
    // texts it still holds must not show in the echo of a DD input, whose
    // point is at 29 + 3.
    PointTransformer reverse = computed(true);
    EXPECT_TRUE(ReadDecimalDegrees(reverse, "23.6701239", "133.8855133"));
    line = logRecordText(reverse, {0, AngleNotation::Dd, AngleNotation::Dd});
    EXPECT_EQ(at(0, 5) + at(16, 13) + at(29, 12) + at(41, 5) + at(46, 11) + at(79, 8) + at(96, 8) + at(160, 2),
              "[GDA94][             ][ 23.6701239 ][     ][133.8855133][ITRF2000][2002.000][23]");
}

TEST(LogFile, HeaderText)
{
    // 28 June 2005 (or the 29th, east of Greenwich).
    const std::string header = logHeaderText(1120000000);
    const std::string start =
        "Tessara:                 ***   ITRF <--> GDA94 Interactive Output File   ***"
        "\r\n\r\n\r\nFile created:  ";
    ASSERT_EQ(header.substr(0, start.size()), start);
    // The weekday and month in English whatever the locale.
    const std::size_t end = header.find('\r', start.size());
    EXPECT_THAT(header.substr(start.size(), end - start.size()), ::testing::MatchesRegex(".*day, 2[89] June 2005, .*"));
    EXPECT_EQ(header.substr(end, 42), "\r\n\r\n                                 Input");
    EXPECT_EQ(header.substr(header.size() - 234), std::string(230, '_') + "\r\n\r\n");
}

TEST(LogFile, WritingCreatesAppendsAndReports)
{
    testing::TempFolder folder;
    const std::string log = folder.file("tessara.log");
    const PointTransformer pt = computed();
    const std::string header = logHeaderText(0);
    const std::string record = logRecordText(pt, kDms);

    // A record needs an existing log.
    const std::optional<std::string> noFile("Error opening log file\n\nNo such file or directory");
    EXPECT_EQ(WriteLogRecord(log, pt, kDms), noFile);
    EXPECT_FALSE(std::filesystem::exists(log));

    struct Step { const char* name; bool header; bool append; std::string contents; };
    const Step steps[] = {
        {"first start", true, false, header},
        {"a record", false, false, header + record},
        {"a start that keeps the log", true, true, header + record + header},
        {"a start that empties it", true, false, header},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        const std::optional<std::string> error =
            s.header ? WriteLogHeader(log, s.append, 0) : WriteLogRecord(log, pt, kDms);
        EXPECT_FALSE(error.has_value()) << *error;
        EXPECT_EQ(readFile(log), s.contents);
    }

    EXPECT_EQ(WriteLogHeader(folder.file("none/tessara.log"), false, 0), noFile);
    // Opening worked; writing did not.
    EXPECT_EQ(WriteLogHeader("/dev/full", true, 0), kNoRoom);
}

// Fills a file system with one file until a write fails for want of room.
void fillUp(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    EXPECT_EQ(errno, ENOSPC);
    ::close(fd);
}

TEST(LogFile, FullDiskCutsOffTheFailedWriteAndTheLogGoesOnWhenThereIsRoom)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    testing::TempFolder folder;
    const std::filesystem::path disk = folder.path() / "disk";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
    const std::unique_ptr<const char, void (*)(const char*)> unmount(
        disk.c_str(), [](const char* p) { ::umount2(p, MNT_DETACH); });

    const PointTransformer pt = computed();
    const std::string header = logHeaderText(0);
    const std::string record = logRecordText(pt, kDms);
    // Earlier runs end 100 bytes before the end of a page: a record or a
    // header fits only in part.
    const std::string earlier(4096 - 100, 'e'), log = disk / "tessara.log", empty = disk / "empty.log";
    testing::writeFile(log, earlier);
    testing::writeFile(empty, "");
    fillUp(disk / "filler");

    EXPECT_EQ(WriteLogRecord(log, pt, kDms, false, 0), kNoRoom);
    EXPECT_EQ(WriteLogHeader(log, true, 0), kNoRoom);
    EXPECT_EQ(WriteLogRecord(empty, pt, kDms, false, 0), kNoRoom);
    EXPECT_EQ(readFile(log), earlier);
    EXPECT_EQ(readFile(empty), "");

    std::filesystem::remove(disk / "filler");
    // The header that failed goes before the next record; an empty log gets
    // its header whatever the caller knows.
    EXPECT_EQ(WriteLogRecord(log, pt, kDms, true, 0), std::nullopt);
    EXPECT_EQ(WriteLogRecord(empty, pt, kDms, false, 0), std::nullopt);
    EXPECT_EQ(readFile(log), earlier + header + record);
    EXPECT_EQ(readFile(empty), header + record);
}

}  // namespace
}  // namespace tessara
