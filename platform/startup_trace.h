#pragma once
// A trace of the program's start, for telling where a start that shows no window stopped.
//
// With VELTRANE_STARTUP_TRACE set in the environment, each step writes one line to standard
// error: "veltrane-startup", the monotonic clock in microseconds (to line the steps up with
// other records of the same start), the milliseconds since main() began, the thread and the
// step. Without it the program writes nothing.

namespace veltrane::platform {

void StartupMark(const char* step);

} // namespace veltrane::platform
