#pragma once

#include "values/point_transformer.h"
#include "filetransform/file_format.h"
#include "filetransform/line_fields.h"

namespace tessara {

// Reads one record of a point file into the engine: the identifier (empty
// without an identifier field), the epoch from its field (either text
// form), and the coordinates by type and angle layout from field 1, 2 and
// 3 (see FileFormatChoice). The readers append their messages to the
// engine; the result is true when every value was read without one.
// Hemisphere letters are applied by the caller.
bool ReadFileRecord(PointTransformer& pt, const FieldViews& fields, int identifierField,
                    int epochField, CoordinateType type, std::optional<AngleLayout> layout,
                    int field1, int field2, int field3);

// Why a record failed when no reader said so (a reader refuses an empty
// field without a message): a quote left open, or the first field the
// choice reads that the record does not have or leaves empty. `lineFields`
// is the number of fields the line itself holds (hemisphere letters taken
// out); fields are counted from 1 in the text, as the user sees them.
std::string RecordFailureReason(const FieldViews& fields, const LineSplit& split,
                                std::size_t lineFields, const FileFormatChoice& format);

}  // namespace tessara
