#pragma once

#include "filetransform/file_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules of the file dialog that are plain logic, shared with the
// command line: the preview and detection of an input file, the checks
// that enable "Convert", and the rules for file names.
namespace tessara {

// The preview shows this many lines from the start of the file.
inline constexpr std::size_t kPreviewLineCount = 20;
inline constexpr std::string_view kNoRecordsNote = "File has no records";

struct FilePreview {
    std::vector<std::string> lines;               // as read, without line ends
    // Their fields (SplitLine for the preview), numbered as the run numbers
    // them: hemisphere letter fields are taken out, as the run takes them
    // out before it picks the fields of a record.
    std::vector<std::vector<std::string>> rows;
    std::size_t columnCount = 0;                  // the largest field count
    std::optional<DetectedFormat> detected;
    int error = 0;  // errno when the file could not be read
    // Text the run cannot take (UTF-16, NUL bytes, an endless line): a run
    // would be refused, and problemText says why.
    std::string problemText;
};

// Splits and detects the given first lines of a file.
FilePreview previewLines(std::vector<std::string> lines);
// Reads the first lines of a file, then as previewLines.
FilePreview previewFile(const std::string& path);

// The outcome of the dialog's checks: whether "Convert" is enabled, and the
// message line (empty, or the last failed check about the file names).
struct ConvertCheck {
    bool convertEnabled = false;
    std::string message;
};

// The checks, run after every change in the dialog: both names set, not
// the same file (by name or identity), the input existing, the folders of
// both names existing, a parameter set and an epoch form chosen, a set
// date that reads in the chosen form, and a choice the run accepts (an
// angle layout for geographic files, an epoch field with epochs from each
// record).
ConvertCheck checkConvertChoices(std::string_view inputPath, std::string_view outputPath,
                                 const FileFormatChoice& format, bool epochFormChosen);

// The output format button: enabled while the output name is set and its
// folder exists (the file need not exist yet).
bool outputFormatEnabled(std::string_view outputPath);

// The entry of the file dialogs' filter list for a name: 1 for a "txt"
// extension, 2 for "csv", 3 (all files) otherwise.
int fileFilterEntry(std::string_view path);

// A name chosen without an extension gets ".txt" while the filter entry in
// use is 1, ".csv" while it is 2; other names are returned as they are.
std::string withDefaultExtension(std::string path, int filterEntry);

}  // namespace tessara
