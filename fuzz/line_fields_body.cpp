// The lines of a point file as the preview and the run cut them: both
// forms of SplitLine must agree, SpacesToCommas may only turn blanks into
// commas, and the first lines go through the detection the file dialog and
// the command line use.

#include "filetransform/convert_checks.h"
#include "filetransform/file_format.h"
#include "filetransform/file_transformer.h"
#include "filetransform/line_fields.h"
#include "fuzz/fuzz_bodies.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tessara::fuzz {
namespace {

bool sameFields(const FieldViews& views, const std::vector<std::string>& owned)
{
    return std::equal(views.begin(), views.end(), owned.begin(), owned.end());
}

void checkLine(std::string_view line)
{
    // In a blank-separated line (fewer than two commas) only blanks become
    // commas; nothing moves, nothing else changes.
    const std::string commas = SpacesToCommas(std::string(line));
    TESSARA_FUZZ_CHECK(commas.size() == line.size());
    if (std::count(line.begin(), line.end(), ',') < 2) {
        for (std::size_t i = 0; i < line.size(); ++i)
            TESSARA_FUZZ_CHECK(commas[i] == line[i] || (line[i] == ' ' && commas[i] == ','));
    }

    for (const bool forRun : {false, true}) {
        std::string work(line);
        FieldViews views;
        SplitLine(work, forRun, views);
        std::vector<std::string> owned = SplitLine(std::string(line), forRun);
        TESSARA_FUZZ_CHECK(sameFields(views, owned));
        // A run pads every record so that fixed field numbers can be read.
        TESSARA_FUZZ_CHECK(!forRun || views.size() >= kRunFieldCount);
        TESSARA_FUZZ_CHECK(IsNonDataLine(work, views) == IsNonDataLine(work, owned));
        const HemisphereLetters fromViews = TakeHemisphereLetters(views);
        const HemisphereLetters fromOwned = TakeHemisphereLetters(owned);
        TESSARA_FUZZ_CHECK(fromViews.latitude == fromOwned.latitude &&
                           fromViews.longitude == fromOwned.longitude);
        TESSARA_FUZZ_CHECK(sameFields(views, owned));
    }
}

}  // namespace

int fuzzLineFields(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Lines as the line reader gives them: without the line feed and a
    // carriage return before it.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        else if (end > start && text[end - 1] == '\r')
            --end;
        lines.emplace_back(text.substr(start, end - start));
        start = next;
    }
    for (const std::string& line : lines)
        checkLine(line);

    if (lines.size() > kPreviewLineCount)
        lines.resize(kPreviewLineCount);
    const FilePreview preview = previewLines(std::move(lines));
    if (preview.detected) {
        const DetectionChoice choice = choiceFromDetection(*preview.detected);
        refusalReason(choice.format);
    }
    return 0;
}

}  // namespace tessara::fuzz
