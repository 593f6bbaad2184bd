#pragma once

#include "params/byte_source.h"

#include <string>
#include <string_view>

namespace tessara {

// Texts in the binary files: a length prefix, then the bytes, with no
// terminator. The prefix is one byte for a length below 255; else 0xFF and a
// 16-bit length below 0xFFFE; else 0xFF, 0xFFFF and a 32-bit length.

// Appends the prefix and the bytes. A text can hold at most 0xFFFFFFFF
// bytes; anything beyond that is not written.
void appendLengthPrefixedText(std::string& out, std::string_view text);

// Reads one text; false when the data ends inside it (prefix or bytes), in
// which case `text` is unchanged. Any prefix is accepted as written,
// including lengths that a writer would have given a shorter prefix.
bool readLengthPrefixedText(ByteSource& in, std::string& text);

}  // namespace tessara
