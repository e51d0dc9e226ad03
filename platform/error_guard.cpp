#include "platform/error_guard.h"

#include "game/runtime_error.h"
#include "platform/message_box.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace veltrane::platform {

namespace {

// The messages of the game's run-time errors, as errorMessage gives them, for the translators:
// the box looks each up by its English words.
[[maybe_unused]] constexpr const char* kErrorMessages[] = {
    QT_TRANSLATE_NOOP("RuntimeError", "Overflow"),
    QT_TRANSLATE_NOOP("RuntimeError", "Out of memory"),
    QT_TRANSLATE_NOOP("RuntimeError", "Subscript out of range"),
    QT_TRANSLATE_NOOP("RuntimeError", "Division by zero"),
    QT_TRANSLATE_NOOP("RuntimeError", "Invalid picture"),
    QT_TRANSLATE_NOOP("RuntimeError", "Internal error")};

} // namespace

void FailWithCurrentException() noexcept {
    int number = ErrInternal;
    QString message = QCoreApplication::translate("RuntimeError", errorMessage(ErrInternal));
    try {
        throw;
    } catch (const RuntimeError& error) {
        number = error.number();
        message = QCoreApplication::translate("RuntimeError", error.what());
    } catch (const std::bad_alloc&) {
        number = ErrOutOfMemory;
        message = QCoreApplication::translate("RuntimeError", errorMessage(ErrOutOfMemory));
    } catch (...) {
    }
    try {
        MsgBox(TranslateFilled("RuntimeError",
                               QT_TRANSLATE_NOOP("RuntimeError", "Run-time error '%1':\n\n%2"),
                               {QString::number(number), message}));
    } catch (...) {
    }
    // The program ends at once, as after any unhandled run-time error: no handler of any
    // window runs after this one.
    std::fflush(nullptr);
    std::_Exit(kRuntimeErrorExitStatus);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        FailWithCurrentException();
    }
}

} // namespace veltrane::platform
