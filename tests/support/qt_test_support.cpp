#include "qt_test_support.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane::test_support {
namespace {

constexpr int kPollMs = 5;

QtMessageHandler qtReports = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qtReports(type, context, message);
}

QWidget* shownModal() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal->isVisible() ? modal : nullptr;
}

} // namespace

ModalAnswerer::ModalAnswerer(std::function<bool(QWidget*)> answer) {
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this, answer = std::move(answer)] {
        if (QWidget* modal = shownModal(); modal != nullptr && answer(modal)) {
            ++answered_;
        }
    });
    poll_.start();
}

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) {
        before_ = qgetenv(name);
    }
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv() {
    if (before_) {
        qputenv(name_, *before_);
    } else {
        qunsetenv(name_);
    }
}

AddressCatcher::AddressCatcher(Answer answer) {
    const QString folder = folder_.path();
    QByteArray path = QFile::encodeName(folder);
    if (answer != Answer::Missing) {
        const QByteArray record = QFile::encodeName(folder_.filePath(QStringLiteral("opened")));
        const QByteArray answers = QFile::encodeName(folder_.filePath(QStringLiteral("answers")));
        const QByteArray sessions = QFile::encodeName(folder_.filePath(QStringLiteral("sessions")));
        // The session is the sixth field of the opener's status line.
        QByteArray script = "#!/bin/sh\nread -r _ _ _ _ _ session _ < /proc/$$/stat\n"
                            "echo \"$session\" >> '" +
                            sessions + "'\nprintf '%s\\n' \"$1\" >> '" + record + "'\n";
        switch (answer) {
        case Answer::Refuse:
            script += "exit 3\n";
            break;
        case Answer::Hold:
            EXPECT_EQ(::mkfifo(answers.constData(), 0600), 0);
            script += "read status < '" + answers + "'\nexit \"$status\"\n";
            break;
        default:
            script += "exit 0\n";
            break;
        }
        QFile opener(folder_.filePath(QStringLiteral("xdg-open")));
        EXPECT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(script);
        opener.close();
        EXPECT_TRUE(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        path += ':' + qgetenv("PATH");
    }
    path_.emplace("PATH", path);
}

AddressCatcher::~AddressCatcher() {
    // An opener still holding is let go, so that it does not outlive the test.
    const int fd =
        ::open(QFile::encodeName(folder_.filePath(QStringLiteral("answers"))).constData(),
               O_WRONLY | O_NONBLOCK);
    if (fd >= 0) {
        (void)!::write(fd, "0\n", 2);
        ::close(fd);
    }
}

QList<QUrl> AddressCatcher::opened() const {
    QFile record(folder_.filePath(QStringLiteral("opened")));
    QList<QUrl> addresses;
    if (record.open(QIODevice::ReadOnly)) {
        // Only whole lines: the opener may be writing the last one.
        const QByteArray lines = record.readAll();
        for (const QByteArray& line : lines.left(lines.lastIndexOf('\n')).split('\n')) {
            if (!line.isEmpty()) {
                addresses.append(QUrl::fromEncoded(line));
            }
        }
    }
    return addresses;
}

QList<qint64> AddressCatcher::sessions() const {
    QFile record(folder_.filePath(QStringLiteral("sessions")));
    QList<qint64> sessions;
    if (record.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : record.readAll().split('\n')) {
            if (!line.isEmpty()) {
                sessions.append(line.toLongLong());
            }
        }
    }
    return sessions;
}

bool AddressCatcher::waitForOpened(qsizetype count, int timeoutMs) const {
    return WaitUntil([&] { return opened().size() >= count; }, timeoutMs);
}

bool AddressCatcher::answer(Answer answer, int timeoutMs) {
    const QByteArray answers = QFile::encodeName(folder_.filePath(QStringLiteral("answers")));
    int fd = -1;
    // The opener is ready for its answer once it has the pipe open for reading.
    WaitUntil(
        [&] {
            fd = ::open(answers.constData(), O_WRONLY | O_NONBLOCK);
            return fd >= 0;
        },
        timeoutMs);
    if (fd < 0) {
        return false;
    }
    const QByteArray status = answer == Answer::Open ? "0\n" : "3\n";
    const bool written = ::write(fd, status.constData(), status.size()) == status.size();
    ::close(fd);
    return written;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    for (QDeadlineTimer deadline(timeoutMs); !done();) {
        if (deadline.hasExpired()) {
            return false;
        }
        QEventLoop slice;
        QTimer::singleShot(kPollMs, &slice, &QEventLoop::quit);
        slice.exec();
        // Windows closed by a handler the test called go now, as they would in the program's
        // own loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void WhenModalAppears(std::function<void(QWidget*)> answer, int timeoutMs) {
    auto* poll = new QTimer;
    poll->setInterval(kPollMs);
    const auto deadline = std::make_shared<QDeadlineTimer>(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer), deadline] {
        QWidget* modal = shownModal();
        if (modal == nullptr && !deadline->hasExpired()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (modal != nullptr) {
            answer(modal);
        }
    });
    poll->start();
}

void ReportNextMessageBox() {
    WhenModalAppears([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return;
        }
        std::fputs(qPrintable(box->windowTitle() + QLatin1Char('|') + box->text()), stdout);
        std::fflush(stdout);
        box->buttons().front()->click();
    });
}

ChildRun RunThisProgram(const QStringList& arguments, const QProcessEnvironment& environment,
                        int timeoutMs) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    ChildRun run;
    run.finished = child.waitForFinished(timeoutMs);
    if (!run.finished) {
        child.kill();
        child.waitForFinished();
    }
    run.exitStatus = child.exitStatus();
    run.exitCode = child.exitCode();
    run.output = child.readAllStandardOutput();
    run.errors = child.readAllStandardError();
    return run;
}

std::optional<int>
RunChildIfAsked(int argc, char** argv,
                std::initializer_list<std::pair<const char*, ChildMain>> children) {
    if (argc < 2) {
        return std::nullopt;
    }
    for (const auto& [flag, run] : children) {
        if (std::strcmp(argv[1], flag) == 0) {
            return run(argc, argv);
        }
    }
    return std::nullopt;
}

void QuietOffscreenReports() {
    if (qtReports == nullptr) {
        qtReports = qInstallMessageHandler(quietOffscreen);
    }
}

QPoint CentredPosition(const expected::Window& window, const QWidget* widget) {
    const QRect screen = widget->screen()->geometry();
    const expected::Centred* at = expected::centredOn(window, screen.width(), screen.height());
    if (at == nullptr || screen.topLeft() != QPoint(0, 0)) {
        ADD_FAILURE() << "no place worked out for a screen at " << screen.x() << "," << screen.y()
                      << " of " << screen.width() << " x " << screen.height();
        return {};
    }
    return {at->left, at->top};
}

QImage OnWhite(const QImage& picture) {
    QImage onWhite(picture.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, picture);
    return onWhite;
}

} // namespace veltrane::test_support
