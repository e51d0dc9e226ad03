// libFuzzer entry for the replay console's script reader.

#include "tests/fuzz/replay_script_check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const std::string fault = veltrane::fuzz::CheckReplayScript(data, size); !fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
