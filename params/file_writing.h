#pragma once

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
// even if the old file was read-only; a path through a link replaces the
// file the link points to. Returns 0 or the error number.
int replaceFile(const std::string& path, std::string_view bytes);

// Appends one record to a list file, writing the marker first when the file
// is new or empty. The file is read-only before and after: its protection is
// lifted for the append and restored afterwards, also after a failure. A
// failure part-way cuts the file back to its previous length, so a
// half-written record can never shift the records written after it.
// Returns 0 or the error number.
int appendToListFile(const std::string& path, std::string_view marker, std::string_view record);

}  // namespace tessara
