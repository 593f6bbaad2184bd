#include "fuzz/scratch_file.h"

#include "fuzz/fuzz_check.h"

#include <sys/mman.h>
#include <unistd.h>

namespace tessara::fuzz {

ScratchFile::ScratchFile(const char* name)
    : descriptor_(::memfd_create(name, MFD_CLOEXEC)),
      path_("/proc/self/fd/" + std::to_string(descriptor_))
{
    // Without it no input can be run at all: stop at once.
    TESSARA_FUZZ_CHECK(descriptor_ >= 0);
}

ScratchFile::~ScratchFile() { ::close(descriptor_); }

void ScratchFile::write(std::string_view bytes)
{
    TESSARA_FUZZ_CHECK(::ftruncate(descriptor_, 0) == 0);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(descriptor_, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(done));
        TESSARA_FUZZ_CHECK(n > 0);
        done += static_cast<std::size_t>(n);
    }
    TESSARA_FUZZ_CHECK(::lseek(descriptor_, 0, SEEK_SET) == 0);
}

std::string ScratchFile::content() const
{
    std::string bytes;
    char block[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(descriptor_, block, sizeof block, at);
        TESSARA_FUZZ_CHECK(n >= 0);
        if (n == 0)
            return bytes;
        bytes.append(block, static_cast<std::size_t>(n));
        at += n;
    }
}

}  // namespace tessara::fuzz
