// One libFuzzer entry point; ONDARA_FUZZ_CHECK names the property function this target exercises.
#include "tests/fuzz/FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ONDARA_FUZZ_CHECK(data, size);
    return 0;
}
