#pragma once

#include "params/record_codec.h"

namespace tessara {

// What reading one parameter or ellipsoid file found. `goOn` is the answer
// the programs act on; the rest tells a script or a test what happened.
struct RecordFileRead {
    bool goOn = true;            // the caller should go on with the record
    bool found = true;           // false: no such file, nothing read, nothing reported
    bool fileError = false;      // a file error was reported
    bool markerMatches = false;  // the file starts with the marker of its kind
    RecordRead record = RecordRead::Incomplete;
    bool checksumMatches = false;  // the record is complete and its stored checksum is right
};

}  // namespace tessara
