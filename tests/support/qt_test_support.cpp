#include "qt_test_support.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

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

AddressCatcher::AddressCatcher(const QString& scheme) : scheme_(scheme) {
    QDesktopServices::setUrlHandler(scheme_, this, "open");
}

AddressCatcher::~AddressCatcher() {
    QDesktopServices::unsetUrlHandler(scheme_);
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
