#include "platform/keyboard.h"

#include <QKeyEvent>

namespace veltrane::platform {

bool IsKeyClick(const QKeyEvent& key) {
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int k = key.key();
    return plain && !key.isAutoRepeat() &&
           (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter);
}

} // namespace veltrane::platform
