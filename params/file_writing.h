#pragma once

#include "params/byte_source.h"

#include <string>
#include <string_view>

namespace tessara {

// A file is read-only for the programs when its owner may not write it.
bool isReadOnly(const std::string& path);
// Gives the owner write permission back (the program's "clear read-only").
void clearReadOnly(const std::string& path);
// Takes every write permission away.
void setReadOnly(const std::string& path);

// Makes `bytes` the whole content of the file at `path`. The bytes go to a
// temporary file in the same folder first, which then replaces the old file
// in one step, so a failed write (a full disk) never destroys the previous
// file. The result keeps the old file's permissions, writable by the owner
// even if the old file was read-only. Only a regular file, or a name that
// does not exist yet, is replaced: a path through links replaces what the
// last link points to (creating it when it does not exist), and a folder
// (EISDIR), a FIFO, a device or a socket (kErrorNotRegularFile) is refused
// and left as it is. Returns 0 or the error number.
int replaceFile(const std::string& path, std::string_view bytes);

// Reads one record of a list file and says whether it was whole.
using ListRecordReader = bool (*)(ByteSource& in);

struct ListAppend {
    int error = 0;                      // 0 or the error number
    bool droppedDamagedRecord = false;  // a cut record at the end was removed
};

// Appends one record to a list file, writing the marker first when the file
// is new or empty. Appends of every process are serialised by an advisory
// lock on the list file, held from the length check to the end of the write
// (and the cut back after a failure); a new file is created exclusively, so
// two first appends cannot both write the marker. Under the lock, a file
// that ends inside a record (a crash during an earlier append) is cut back
// to the end of its last whole record, found with `readRecord`, before the
// append. A file with another marker is refused (kErrorNotListFile) and left
// as it is. The file is read-only before and after: its protection is
// lifted for the append and restored afterwards, also after a failure. A
// failure part-way cuts the file back to its length before the append, so a
// half-written record can never shift the records written after it.
ListAppend appendToListFile(const std::string& path, std::string_view marker,
                            std::string_view record, ListRecordReader readRecord);

// The message for a list file whose cut last record was removed.
std::string droppedRecordMessage(const std::string& path);

}  // namespace tessara
