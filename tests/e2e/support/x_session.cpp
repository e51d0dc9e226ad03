#include "x_session.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>
#include <stdexcept>

namespace veltrane::e2e {
namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kPollMs = 50;

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

std::optional<WindowId> firstWindow(const QByteArray& output) {
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray& line : lines) {
        bool ok = false;
        const WindowId id = line.trimmed().toULong(&ok);
        if (ok) {
            return id;
        }
    }
    return std::nullopt;
}

} // namespace

XSession::XSession(QSize screen) : server_(std::make_unique<QProcess>()) {
    // The server writes the display number it chose to its standard output. It never resets,
    // so monitors a test defines with xrandr stay while no client is connected.
    server_->start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                    QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_->waitForStarted(kStartTimeoutMs)) {
        fail(QStringLiteral("Xvfb did not start"));
    }
    QByteArray number;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!number.contains('\n') && !deadline.hasExpired()) {
        server_->waitForReadyRead(kPollMs);
        number += server_->readAllStandardOutput();
        if (server_->state() == QProcess::NotRunning) {
            fail(QStringLiteral("Xvfb ended while starting"));
        }
    }
    if (!number.contains('\n')) {
        fail(QStringLiteral("Xvfb chose no display"));
    }
    display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

    windowManager_ = std::make_unique<QProcess>();
    windowManager_->setProcessEnvironment(environment());
    windowManager_->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!windowManager_->waitForStarted(kStartTimeoutMs)) {
        fail(QStringLiteral("openbox did not start"));
    }
    // The window manager is ready once it announces itself on the root window.
    const QDeadlineTimer wmDeadline(kStartTimeoutMs);
    while (!run(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains("window id")) {
        if (wmDeadline.hasExpired()) {
            fail(QStringLiteral("openbox did not take the display"));
        }
        QThread::msleep(kPollMs);
    }
}

XSession::~XSession() {
    for (auto& program : programs_) {
        stop(*program);
    }
    if (windowManager_) {
        stop(*windowManager_);
    }
    stop(*server_);
}

void XSession::stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

QProcess& XSession::launch(const QString& program, const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->start(program, arguments);
    if (!process->waitForStarted(kStartTimeoutMs)) {
        fail(QStringLiteral("could not start ") + program);
    }
    programs_.push_back(std::move(process));
    return *programs_.back();
}

QByteArray XSession::run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        fail(program + QStringLiteral(" did not finish"));
    }
    if (tool.exitStatus() != QProcess::NormalExit) {
        fail(program + QStringLiteral(" crashed"));
    }
    return tool.readAllStandardOutput();
}

std::optional<WindowId> XSession::waitForWindow(const QString& titlePattern, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QByteArray found = run(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--name"), titlePattern});
        if (const auto id = firstWindow(found)) {
            return id;
        }
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

std::optional<WindowId> XSession::waitForWindowOf(const QProcess& program, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QByteArray found =
            run(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                 QString::number(program.processId())});
        if (const auto id = firstWindow(found)) {
            return id;
        }
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

bool XSession::waitForWindowGone(const QString& titlePattern, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QByteArray found = run(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--name"), titlePattern});
        if (!firstWindow(found)) {
            return true;
        }
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return false;
}

bool XSession::waitForFocus(WindowId window, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        if (firstWindow(run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")})) ==
            window) {
            return true;
        }
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return false;
}

QString XSession::windowTitle(WindowId window) {
    return QString::fromUtf8(run(QStringLiteral("xdotool"),
                                 {QStringLiteral("getwindowname"), QString::number(window)}))
        .trimmed();
}

QRect XSession::clientGeometry(WindowId window) {
    const QString info = QString::fromUtf8(
        run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}));
    const auto field = [&info](const char* name) {
        const QRegularExpression re(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(name)));
        const QRegularExpressionMatch m = re.match(info);
        if (!m.hasMatch()) {
            fail(QStringLiteral("xwininfo gave no ") + QLatin1String(name));
        }
        return m.captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
}

void XSession::click(int x, int y, int button) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(x),
         QString::number(y), QStringLiteral("click"), QString::number(button)});
}

void XSession::keys(WindowId window, const QStringList& keys) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
    for (const QString& key : keys) {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"), key});
    }
}

QImage XSession::screenshot() {
    const QByteArray png = run(QStringLiteral("import"),
                               {QStringLiteral("-silent"), QStringLiteral("-window"),
                                QStringLiteral("root"), QStringLiteral("png:-")},
                               20000);
    QImage image = QImage::fromData(png, "PNG");
    if (image.isNull()) {
        fail(QStringLiteral("the screenshot could not be read"));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace veltrane::e2e
