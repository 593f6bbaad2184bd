// The libFuzzer entry point of one target; TESSARA_FUZZ_BODY names its body.

#include "fuzz/fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return tessara::fuzz::TESSARA_FUZZ_BODY(data, size);
}
