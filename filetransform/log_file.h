#pragma once

#include "values/point_transformer.h"
#include "values/notation.h"

#include <ctime>
#include <optional>
#include <string>

// The log file of interactive computations: a header when the program
// starts, and one fixed-column record per accepted point, in the column
// layout of the output files (the geographic output one column further
// right, since the log's angle texts carry no sign place).
namespace tessara {

// The choices of the main form that a log record needs besides its engine.
struct LogRecordChoice {
    int direction = 1;  // the interactive direction: 1 ITRF to GDA94, 0 GDA94 to ITRF
    AngleNotation inputNotation = AngleNotation::Dms;   // of this direction
    AngleNotation outputNotation = AngleNotation::Dms;  // of this direction
};

// The header text, for the local time `when` (none: now).
std::string logHeaderText(std::optional<std::time_t> when = {});

// The record line (with its line end) for the engine's last computation.
// The output is written at the log's fixed precisions (cartesian and
// height 3, degrees 8, minutes 7, seconds 5) from a copy; the engine is
// not changed. Only the input texts of the input notation are echoed.
std::string logRecordText(const PointTransformer& engine, const LogRecordChoice& choice);

// Writes the header to the log file: emptied first, or kept and continued
// when `append` is set; created when missing. On failure the result is the
// text to show: "Error opening log file\n\n" and the platform's text when
// the file cannot be opened, "Error writing log file\n\n" and the
// platform's text when it opened but the write failed (a full disk).
// A failed write leaves nothing of its text: the file is cut back to where
// it ended, so a later write continues the same file cleanly.
std::optional<std::string> WriteLogHeader(const std::string& path, bool append,
                                          std::optional<std::time_t> when = {});

// Appends one record to the log file, which must exist. The header (for
// `when`) goes first when the file is empty or `withHeader` is set (the
// header could not be written at start). Failures as for WriteLogHeader.
std::optional<std::string> WriteLogRecord(const std::string& path, const PointTransformer& engine,
                                          const LogRecordChoice& choice, bool withHeader = false,
                                          std::optional<std::time_t> when = {});

}  // namespace tessara
