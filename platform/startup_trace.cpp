#include "platform/startup_trace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace veltrane::platform {
namespace {

long long monotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

} // namespace

void StartupMark(const char* step) {
    static const bool enabled = std::getenv("VELTRANE_STARTUP_TRACE") != nullptr;
    if (!enabled) {
        return;
    }
    const long long now = monotonicMicroseconds();
    // The first step, main(), is the origin of the trace.
    static const long long origin = now;
    std::fprintf(stderr, "veltrane-startup %lld +%.1f ms [%d] %s\n", now,
                 static_cast<double>(now - origin) / 1000.0, static_cast<int>(gettid()), step);
}

} // namespace veltrane::platform
