#include "platform/web_link.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QProcess>
#include <unistd.h>
#include <utility>

namespace veltrane::platform {
namespace {

// The openers still running belong to this object, which lives as long as the application. At
// the end it stops them: a QProcess left to itself would wait for the browser a plain X session's
// opener runs in the foreground, and complain that it was destroyed while running.
class Openers : public QObject {
  public:
    using QObject::QObject;
    Openers(const Openers&) = delete;
    Openers& operator=(const Openers&) = delete;

    ~Openers() override {
        for (QProcess* opener : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
            // No answer is given any more: whoever asked is going too.
            opener->disconnect();
            if (opener->state() != QProcess::NotRunning) {
                opener->kill();
                opener->waitForFinished();
            }
        }
    }
};

QObject* openers() {
    static QPointer<Openers> keeper;
    if (keeper.isNull()) {
        keeper = new Openers(QCoreApplication::instance());
    }
    return keeper;
}

} // namespace

void OpenAddress(const QUrl& address, QObject* context, std::function<void(bool opened)> answered) {
    auto* opener = new QProcess(openers());
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({address.toString(QUrl::FullyEncoded)});
    // Nothing the opener or its browser writes reaches the game's terminal, and a browser that
    // runs for hours never blocks on a pipe that nobody reads.
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    // A session of its own, as a detached program would have: the browser it starts does not
    // end with the terminal the game was started from.
    opener->setChildProcessModifier([] { ::setsid(); });

    const QPointer<QObject> receiver(context);
    const auto answer = [opener, receiver, answered = std::move(answered)](bool opened) {
        opener->deleteLater();
        if (!receiver.isNull()) {
            // Posted, so that the answer may open a message box without nesting its event loop
            // in the delivery of the opener's end.
            QMetaObject::invokeMethod(
                receiver.data(), [answered, opened] { answered(opened); }, Qt::QueuedConnection);
        }
    };
    QObject::connect(opener, &QProcess::finished, opener,
                     [answer](int exitCode, QProcess::ExitStatus status) {
                         answer(status == QProcess::NormalExit && exitCode == 0);
                     });
    // A crash is answered by finished above; only a start that failed comes here alone.
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [answer](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             answer(false);
                         }
                     });
    opener->start();
}

} // namespace veltrane::platform
