#include "platform/sound.h"

#include "platform/error_guard.h"
#include "platform/program_folder.h"
#include "platform/sound_player/sound_player.h"
#include "platform/wave_file.h"

#include <QEvent>
#include <QLibrary>
#include <utility>

namespace veltrane::platform {
namespace {

std::function<void(const QString&)>& observer() {
    static std::function<void(const QString&)> instance;
    return instance;
}

// The player lives in a module of its own beside the program, loaded with its audio libraries
// when the first sound is asked for: the game's windows reach the screen without waiting for
// the sound system, and a machine that never plays a sound never loads it.
PlaySoundFunction player() {
    static PlaySoundFunction play = [] {
        QLibrary module(ProgramFolder() + QLatin1Char('/') + QLatin1String(kSoundPlayerModule));
        // Kept loaded for the life of the program: its sounds play on after the call returns.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        return reinterpret_cast<PlaySoundFunction>(module.resolve(kSoundPlayerEntry));
    }();
    return play;
}

} // namespace

bool IsPlayableWave(const QString& path) {
    return ReadWave(path, false).has_value();
}

void SetSoundObserver(std::function<void(const QString&)> observer_) {
    observer() = std::move(observer_);
}

void PlaySound(const QString& path) {
    if (observer()) {
        observer()(path);
    }
    // Checked here, before anything is loaded, so a missing or broken file costs nothing.
    if (!IsPlayableWave(path)) {
        return;
    }
    if (PlaySoundFunction play = player()) {
        play(path);
    }
}

void PlayOnActivation(const QEvent* event, QString (*path)()) {
    if (event->type() == QEvent::WindowActivate) {
        Guarded([path] { PlaySound(path()); });
    }
}

} // namespace veltrane::platform
