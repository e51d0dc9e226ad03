#include "platform/error_guard.h"

#include "game/runtime_error.h"
#include "platform/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace veltrane::platform {

void FailWithCurrentException() noexcept {
    int number = ErrInternal;
    QString message = QString::fromLatin1(errorMessage(ErrInternal));
    try {
        throw;
    } catch (const RuntimeError& error) {
        number = error.number();
        message = QString::fromStdString(error.what());
    } catch (const std::bad_alloc&) {
        number = ErrOutOfMemory;
        message = QString::fromLatin1(errorMessage(ErrOutOfMemory));
    } catch (...) {
    }
    try {
        MsgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(message));
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
