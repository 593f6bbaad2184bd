#pragma once

#include "values/point_transformer.h"
#include "filetransform/file_format.h"
#include "filetransform/record_layout.h"
#include "values/formatting.h"
#include "values/notation.h"

#include <optional>
#include <string>
#include <string_view>

// What a file run writes: the header and one record per transformed point,
// as a fixed-column text line or as comma-separated values.
namespace tessara {

// The content and notation of output files, kept by the main form and the
// same for every run until changed.
struct OutputFileFormat {
    bool geographic = true;
    bool cartesian = true;
    bool includeHeader = true;
    AngleNotation notation = AngleNotation::Dms;
    FileHemisphereStyle hemisphere = FileHemisphereStyle::Australian;
    OutputPrecision precision;
};

// True when the text after the last "." of the output path is "csv" in any
// case: such a file gets comma-separated records.
bool isCommaSeparatedName(std::string_view outputPath);

// The header of an output file.
struct FileHeader {
    bool forward = true;
    std::string_view created;     // the local time, "%d %B %Y, %H:%M:%S"
    std::string_view inputPath;
    std::string_view outputPath;
    std::string_view setName;
    std::optional<std::string_view> epochText;  // none: each record has its own
};
void appendFileHeader(const FileHeader& header, std::string& out);

// The choices a record needs besides the engine's texts.
struct RecordChoice {
    bool forward = true;
    std::string_view setName;
    CoordinateType inputType = CoordinateType::Cartesian;
    std::optional<AngleLayout> angleLayout;
    const OutputFileFormat* output = nullptr;
};

// One record of the engine's last point (after FormatOutputPoint and
// ApplyFileHemisphere), with its line end.
void appendTextRecord(const PointTransformer& pt, const RecordChoice& choice,
                      RecordLineBuffers& buffers, std::string& out);
void appendCommaSeparatedRecord(const PointTransformer& pt, const OutputFileFormat& output,
                                std::string& out);

}  // namespace tessara
