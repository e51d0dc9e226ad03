// Before Qt 6.8 the Linux accessibility bridge tells a changed description (and a changed name)
// with a reference to the object instead of the new text, and a screen reader, which says the
// text the change carries, has nothing to say: the player would not hear the card that came or
// went. Qt's public events offer no other way to a word Orca speaks for a push button: a text
// change (QAccessibleTextUpdateEvent) is spoken only for editable text or typed keys, and a
// value change carries a number. So on those versions alone the change is told here with its
// text, the way the desktop's own toolkits tell it, through the bridge's connection and its
// names for objects (both its own, unchanged up to 6.7); the screen-reader end-to-end test
// hears the difference. Qt 6.8 carries the text itself, and says news with its announcement
// event.

#include "platform/description_signal.h"

#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace veltrane::platform {

namespace {

// The desktop's reference to an accessible object: the bus name and the object's path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

} // namespace

bool SendDescriptionWithItsText(QWidget* widget, const QString& text) {
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        return false;
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr) {
        return false;
    }
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
    QDBusMessage signal = QDBusMessage::createSignal(
        prefix + QString::number(QAccessible::uniqueId(accessible)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(text))
           << QVariant::fromValue(
                  ObjectReference{bus.baseService(), QDBusObjectPath(prefix + "root")});
    return bus.send(signal);
}

} // namespace veltrane::platform

#else

namespace veltrane::platform {

bool SendDescriptionWithItsText(QWidget* /*widget*/, const QString& /*text*/) {
    return false;
}

} // namespace veltrane::platform

#endif
