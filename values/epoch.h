#pragma once

#include "values/point_transformer.h"
#include "values/notation.h"

#include <string_view>

namespace tessara {

// Reads an epoch text (day/month/year or decimal year, by mode) into the
// transformer's epoch and epoch notation. Epochs outside the years 1989 to
// 2020 are rejected. Appends at most one message; returns true exactly when
// a non-zero epoch was stored. A failed reading leaves the epoch 0.
bool ReadEpoch(PointTransformer& pt, std::string_view text, EpochMode mode);

// Sets the epoch text from the epoch in the notation it was read in:
// "dd/mm/yyyy" or "%.3f" decimal year; unchanged when none was read.
void WriteEpoch(PointTransformer& pt);

}  // namespace tessara
