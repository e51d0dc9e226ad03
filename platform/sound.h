#pragma once
// The game's two sound effects are wave files played in the background. Nothing in the game
// waits for a sound, and a sound that cannot be played is simply not heard.

#include <QString>

class QEvent;
#include <functional>

namespace veltrane::platform {

// Starts playing the wave file at path from its beginning and returns at once; a sound already
// playing stops. A missing or unplayable file plays nothing and says nothing. The audio output
// is opened on the first call, never at start-up, so a machine without sound loses no time.
void PlaySound(const QString& path);

// A window's greeting: plays the sound at path() when the event says the window has become the
// active one, each time the player comes back to it. Call it from the window's event().
void PlayOnActivation(const QEvent* event, QString (*path)());

// Sees every path the game asks to play, in order, before playback starts; an empty function
// removes the observer. One per process: tests use it to hear which sounds were requested.
void SetSoundObserver(std::function<void(const QString&)> observer);

// Whether the file looks like a wave file the player can take: a RIFF WAVE file with a PCM
// format chunk and a data chunk.
bool IsPlayableWave(const QString& path);

} // namespace veltrane::platform
