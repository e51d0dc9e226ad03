// libFuzzer entry for the help window's file reader.

#include "tests/fuzz/help_file_check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const std::string fault = veltrane::fuzz::CheckHelpFile(data, size); !fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
