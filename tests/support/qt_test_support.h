#pragma once
// What the window test programs share: answering the modal windows the game opens from inside
// their own event loops, and running the test program again as a child, where a test needs a
// program of its own (one that ends, or that must not share the tests' application).

#include "expected_layout.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

class QWidget;

namespace veltrane::test_support {

// Hands every modal window that is up while it lives to answer, polling from whatever event
// loop runs, the modal window's own included. answer returns true once it has dealt with the
// window, false to be asked again at the next poll (the window is not ready yet).
class ModalAnswerer {
  public:
    explicit ModalAnswerer(std::function<bool(QWidget*)> answer);
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    int answered() const { return answered_; }

  private:
    QTimer poll_;
    int answered_ = 0;
};

// Sets an environment variable for itself and the programs started while it lives; puts back
// what was there before.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<QByteArray> before_;
};

// While it lives, the desktop's opener that the game runs (xdg-open, found first on the PATH)
// is a stand-in that records every address it is handed and then answers as the real one does:
// Open, a browser took the address (status 0); Refuse, none could (status 3, as when nothing
// is registered for web addresses); Hold, not until the test calls answer(), as while a browser
// starts. With Missing the PATH holds no opener at all. One opener holds at a time.
class AddressCatcher {
  public:
    enum class Answer { Open, Refuse, Hold, Missing };
    explicit AddressCatcher(Answer answer = Answer::Open);
    ~AddressCatcher();
    AddressCatcher(const AddressCatcher&) = delete;
    AddressCatcher& operator=(const AddressCatcher&) = delete;

    // The addresses handed over so far, in order, and the session each opener ran in.
    QList<QUrl> opened() const;
    QList<qint64> sessions() const;
    // True once count addresses have been handed over, running the event loop meanwhile.
    bool waitForOpened(qsizetype count, int timeoutMs = 10000) const;
    // Makes the holding opener answer Open or Refuse; true once it has taken the answer.
    bool answer(Answer answer, int timeoutMs = 10000);

  private:
    QTemporaryDir folder_;
    std::optional<ScopedEnv> path_;
};

// Runs the event loop until done() holds, at most timeoutMs; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// Once the next modal window is up, hands it to answer (which must close it). Gives up after
// timeoutMs, so a window that never opens fails its test instead of answering a later one.
void WhenModalAppears(std::function<void(QWidget*)> answer, int timeoutMs = 10000);

// A child program's report of the next message box: writes "title|text" to standard output
// and presses its only button.
void ReportNextMessageBox();

// The test program run again with the given arguments, until it ends or timeoutMs pass.
struct ChildRun {
    bool finished = false;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
ChildRun
RunThisProgram(const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
               int timeoutMs = 30000);

// The start of a test program's main: when the first argument names one of the children, runs
// it and gives its exit status; otherwise nothing, and the tests run.
using ChildMain = std::function<int(int argc, char** argv)>;
std::optional<int>
RunChildIfAsked(int argc, char** argv,
                std::initializer_list<std::pair<const char*, ChildMain>> children);

// Keeps the offscreen platform's reports of the window operations it cannot perform ("This
// plugin does not support raise()") off the terminal: they say nothing about the game.
// Everything else is passed on.
void QuietOffscreenReports();

// Where the window must stand on its screen, from the table worked out by hand. A screen the
// table does not know fails the test.
QPoint CentredPosition(const expected::Window& window, const QWidget* widget);

// The picture as it shows on a white window: its transparent parts white.
QImage OnWhite(const QImage& picture);

} // namespace veltrane::test_support
