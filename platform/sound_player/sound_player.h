#pragma once
// The sound player module's one entry point, shared by the module and the program that loads it.

class QString;

namespace veltrane::platform {

// The module's file name, looked for in the program's folder.
inline constexpr const char* kSoundPlayerModule = "veltrane-sound.so";
inline constexpr const char* kSoundPlayerEntry = "veltrane_play_sound";

// Plays the wave file at path from its beginning, stopping any sound already playing, and
// returns at once. Called on the window system's thread only.
using PlaySoundFunction = void (*)(const QString& path);

} // namespace veltrane::platform
