#pragma once
// What the start-up and feedback tests share: the sounds the game asked for, a click where the
// player's pointer would land, and a bound on an event loop a test starts.

#include "platform/sound.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

namespace veltrane::shell_tests {

// Records every sound requested while it lives.
class SoundLog {
  public:
    SoundLog() {
        platform::SetSoundObserver([this](const QString& path) { paths.push_back(path); });
    }
    ~SoundLog() { platform::SetSoundObserver({}); }
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    QStringList paths;
};

// A left click at a point of a window, delivered to whatever lies under that point.
inline void ClickAt(QWidget* window, QPoint at) {
    QWidget* target = window->childAt(at);
    if (target == nullptr) {
        target = window;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

// Ends the event loop with the given status if the test has not ended it in time. The timer
// goes with the returned object, so it never reaches into a later test.
inline std::unique_ptr<QTimer> EndLoopAfter(int ms, int status) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [status] { QCoreApplication::exit(status); });
    timer->start(ms);
    return timer;
}

} // namespace veltrane::shell_tests
