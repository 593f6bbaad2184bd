#include "filetransform/convert_checks.h"

#include "values/point_transformer.h"
#include "filetransform/file_io.h"
#include "filetransform/file_transformer.h"
#include "filetransform/line_fields.h"
#include "values/epoch.h"

#include <algorithm>
#include <sys/stat.h>

namespace tessara {
namespace {

constexpr std::string_view kSameNames = "Input and output file names must be different!";
constexpr std::string_view kNoInput = "Input file does not exist!";
constexpr std::string_view kNoInputFolder = "Input file path does not exist!";
constexpr std::string_view kNoOutputFolder = "Output file path does not exist!";

bool isFolder(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isExistingFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// The folder before the last "/" of a name that has one after its first
// character; none for a bare name (or one directly under the root).
std::optional<std::string> namedFolder(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos || slash == 0)
        return std::nullopt;
    return std::string(path.substr(0, slash));
}

bool sameFile(std::string_view a, std::string_view b)
{
    const std::optional<FileIdentity> first = identityOf(std::string(a));
    const std::optional<FileIdentity> second = identityOf(std::string(b));
    return first && second && *first == *second;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view fileName(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string extensionOf(std::string_view path)
{
    const std::string_view name = fileName(path);
    const std::size_t point = name.rfind('.');
    return point == std::string_view::npos ? std::string() : lowerCase(name.substr(point + 1));
}

}  // namespace

FilePreview previewLines(std::vector<std::string> lines)
{
    FilePreview preview;
    preview.lines = std::move(lines);
    for (const std::string& line : preview.lines) {
        preview.rows.push_back(SplitLine(line, false));
        TakeHemisphereLetters(preview.rows.back());
        preview.columnCount = std::max(preview.columnCount, preview.rows.back().size());
    }
    preview.detected = DetectFileFormat(preview.rows);
    return preview;
}

FilePreview previewFile(const std::string& path)
{
    LineReader reader = LineReader::open(path);
    std::vector<std::string> lines = reader.peekLines(kPreviewLineCount);
    FilePreview preview = previewLines(std::move(lines));
    preview.error = reader.error();
    if (reader.problem() != InputProblem::None) {
        preview.problemText = inputProblemText(reader.problem(), path,
                                               static_cast<long>(preview.lines.size()) + 1);
    }
    return preview;
}

ConvertCheck checkConvertChoices(std::string_view inputPath, std::string_view outputPath,
                                 const FileFormatChoice& format, bool epochFormChosen)
{
    ConvertCheck check;
    bool failed = inputPath.empty() || outputPath.empty();
    const auto failWith = [&](std::string_view text) {
        failed = true;
        check.message.assign(text);
    };

    if (!inputPath.empty() && !outputPath.empty() &&
        (inputPath == outputPath || sameFile(inputPath, outputPath)))
        failWith(kSameNames);
    if (!inputPath.empty() && !isExistingFile(std::string(inputPath)))
        failWith(kNoInput);
    if (const auto folder = namedFolder(inputPath); folder && !isFolder(*folder))
        failWith(kNoInputFolder);
    if (const auto folder = namedFolder(outputPath); folder && !isFolder(*folder))
        failWith(kNoOutputFolder);

    if (format.parameterSetName.empty() || !epochFormChosen)
        failed = true;
    if (format.epochSource == EpochSource::SetDate) {
        PointTransformer pt;
        if (!ReadEpoch(pt, format.setDate, format.epochTextForm))
            failed = true;
    }
    // What the run itself would refuse.
    if (refusalReason(format))
        failed = true;

    check.convertEnabled = !failed;
    return check;
}

bool outputFormatEnabled(std::string_view outputPath)
{
    if (outputPath.empty())
        return false;
    const std::optional<std::string> folder = namedFolder(outputPath);
    return !folder || isFolder(*folder);
}

int fileFilterEntry(std::string_view path)
{
    const std::string extension = extensionOf(path);
    if (extension == "txt")
        return 1;
    if (extension == "csv")
        return 2;
    return 3;
}

std::string withDefaultExtension(std::string path, int filterEntry)
{
    if (fileName(path).find('.') != std::string_view::npos)
        return path;
    if (filterEntry == 1)
        path.append(".txt");
    else if (filterEntry == 2)
        path.append(".csv");
    return path;
}

}  // namespace tessara
