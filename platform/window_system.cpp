#include "platform/window_system.h"

#include "platform/qt_options.h"

#include <QByteArray>
#include <QFile>
#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace veltrane::platform {
namespace {

char kPlatformOption[] = "-platform";
char kX[] = "xcb";
char kWayland[] = "wayland";

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QByteArray file;
    int line;
    QByteArray function;
    QString text;
};

// The start-up in progress; there is one application object, so one start.
std::mutex heldMutex;
std::vector<HeldMessage> held;
QtMessageHandler qtHandler = nullptr;
char* chosenPlatform = nullptr;
std::optional<std::string> givenPlatform;
std::optional<std::string> givenDisplay;

// Why no window could be opened, in the user's terms: which display was tried.
QString NoDisplayReason() {
    const QString display = givenDisplay ? QString::fromLocal8Bit(givenDisplay->c_str())
                                         : qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    for (const HeldMessage& message : held) {
        if (message.text.contains(QStringLiteral("Could not find the Qt platform plugin"))) {
            return QStringLiteral("the window system's Qt plug-in is not installed: %1")
                .arg(message.text.section(QLatin1Char('\n'), 0, 0));
        }
    }
    if (chosenPlatform == nullptr) {
        if (givenPlatform) {
            return QStringLiteral("cannot open the window system -platform \"%1\"")
                .arg(QString::fromLocal8Bit(givenPlatform->c_str()));
        }
        return QStringLiteral("cannot open the window system QT_QPA_PLATFORM=\"%1\"")
            .arg(qEnvironmentVariable("QT_QPA_PLATFORM"));
    }
    if (chosenPlatform == kX) {
        return QStringLiteral("cannot open the X display \"%1\"").arg(display);
    }
    if (!wayland.isEmpty()) {
        return QStringLiteral("cannot open the Wayland display \"%1\"").arg(wayland);
    }
    return QStringLiteral("no display to show the game on: neither DISPLAY nor WAYLAND_DISPLAY "
                          "is set");
}

// Ends the start as Qt's fatal message would, in one line.
[[noreturn]] void NoDisplay() {
    std::fprintf(stderr, "veltrane: %s\n", qPrintable(NoDisplayReason()));
    std::fflush(nullptr);
    std::_Exit(kNoDisplayExitStatus);
}

// Qt ends a start without a window system with a fatal message after some warnings of its
// plug-ins; the player gets one line instead, and no core dump.
void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    if (type == QtFatalMsg) {
        NoDisplay();
    }
    held.push_back({type, QByteArray(context.category != nullptr ? context.category : "default"),
                    QByteArray(context.file), context.line, QByteArray(context.function), text});
}

// With neither variable set, a Wayland client looks for the compositor's default socket; the
// Wayland library complains on its own when there is none, so the game looks first.
bool DefaultWaylandSocketExists() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) {
        return false;
    }
    const QByteArray socket = QFile::encodeName(runtime + QStringLiteral("/wayland-0"));
    struct stat status {};
    return ::stat(socket.constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

WindowSystemStart::WindowSystemStart(int argc, char** argv)
    : argc_(argc), argv_(argv, argv + argc) {
    chosenPlatform = nullptr;
    givenPlatform = QtOptionValue(argc, argv, "platform");
    givenDisplay = QtOptionValue(argc, argv, "display");
    // A window system named on the command line is obeyed as the environment's is; an X
    // display named there is as good as DISPLAY.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !givenPlatform) {
        chosenPlatform = qEnvironmentVariableIsEmpty("DISPLAY") && !givenDisplay ? kWayland : kX;
        if (chosenPlatform == kWayland && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            !DefaultWaylandSocketExists()) {
            NoDisplay();
        }
        // An argument rather than the environment: the programs the game starts (the browser
        // of the web link) choose their own window system.
        argv_.push_back(kPlatformOption);
        argv_.push_back(chosenPlatform);
        argc_ += 2;
    }
    argv_.push_back(nullptr);
    qtHandler = qInstallMessageHandler(HoldBack);
    holding_ = true;
}

WindowSystemStart::~WindowSystemStart() {
    established();
}

void WindowSystemStart::established() {
    if (!holding_) {
        return;
    }
    holding_ = false;
    qInstallMessageHandler(qtHandler);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldMutex);
        messages.swap(held);
    }
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(
            message.file.isEmpty() ? nullptr : message.file.constData(), message.line,
            message.function.isEmpty() ? nullptr : message.function.constData(),
            message.category.constData());
        qtHandler(message.type, context, message.text);
    }
}

} // namespace veltrane::platform
