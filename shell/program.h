#pragma once
// The program as a whole: the rules, the splash, the board behind it and the win dialog, wired
// together and run. main() is this and the application object.

namespace veltrane {
class RandomSource;
}

namespace veltrane::shell {

// Opens the splash and runs the event loop until the last window has gone. Needs the
// application object; returns the exit status.
int RunProgram();

// The same with the deals drawn from the given source (a known deal for tests).
int RunProgram(RandomSource& random);

} // namespace veltrane::shell
