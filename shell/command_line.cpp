#include "shell/command_line.h"

#include "platform/program_folder.h"
#include "platform/qt_options.h"
#include "veltrane_config.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace veltrane::shell {
namespace {

// The usage names the program as the player starts it, wherever the build put it.
QString Usage() {
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: veltrane [options]\n"
               "Veltrane Solitaire, a patience card game for one player.\n"
               "The game itself takes no options; Qt's own are passed on to Qt.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Displays this help.\n"
               "  -v, --version  Displays version information.\n"
               "\n"
               "Qt's options, passed on to Qt (one dash or two):\n"
               "  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,\n"
               "  -display DISPLAY, -name NAME, -visual ID, -session ID (given by a session\n"
               "  manager that restarts the game), -style NAME, -stylesheet FILE,\n"
               "  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),\n"
               "  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,\n"
               "  -nograb, -dograb, -sync, -testability.\n"
               "\n"
               "Files, read from the folder that holds the game (%1):\n"
               "  rules.txt, orvik.txt  the Rules and About pages of Help\n"
               "  SOUND/34.WAV          the greeting of the splash\n"
               "  SOUND/APPLAUS.WAV     the applause of a win\n"
               "  veltrane-sound.so     the sound player, loaded with the first sound\n"
               "\n"
               "Environment:\n"
               "  QT_QPA_PLATFORM  the window system: xcb (X11, also through Xwayland) or\n"
               "                   wayland. Unset, the game uses X when DISPLAY is set, as it\n"
               "                   places its windows itself there, and Wayland otherwise.\n"
               "  DISPLAY, WAYLAND_DISPLAY\n"
               "                   the X display and the Wayland display to open.\n"
               "  QT_FONT_DPI, QT_SCALE_FACTOR\n"
               "                   a display of 116 to 125 pixels per inch gets the LARGE FONTS\n"
               "                   message and the game ends. For a font DPI of 120 (a 125 %\n"
               "                   text scale) start it as QT_FONT_DPI=96 veltrane; for a Qt\n"
               "                   scale of 1.25, as QT_SCALE_FACTOR=1 veltrane.\n"
               "  XDG_STATE_HOME   where a game in progress is saved for the session manager\n"
               "                   (veltrane/session-KEY; ~/.local/state when unset).\n")
        .arg(platform::ProgramFolder());
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// What is wrong with the command line, named as typed; empty when nothing is. Qt's options are
// left in place for the application object; every other word is the game's.
QString Error(int argc, char** argv, bool& wantsHelp, bool& wantsVersion) {
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const QString typed = QString::fromLocal8Bit(argv[i]);
        const platform::QtOption qt =
            optionsEnd ? platform::QtOption{} : platform::QtOptionAt(argc, argv, i);
        if (qt.missingValue) {
            return i + 1 < argc
                       ? QCoreApplication::translate(
                             "CommandLine", "option '%1' needs a value, not the option '%2'")
                             .arg(typed, QString::fromLocal8Bit(argv[i + 1]))
                       : QCoreApplication::translate("CommandLine", "option '%1' needs a value")
                             .arg(typed);
        }
        if (qt.length > 0) {
            i += qt.length - 1;
            continue;
        }
        if (!optionsEnd && typed == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        if (optionsEnd || typed.size() < 2 || !typed.startsWith(QLatin1Char('-'))) {
            return QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                .arg(typed);
        }
        // The game's own options take one dash or two, as Qt's do.
        const QString name = typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
        if (name == QLatin1String("h") || name == QLatin1String("help")) {
            wantsHelp = true;
        } else if (name == QLatin1String("v") || name == QLatin1String("version")) {
            wantsVersion = true;
        } else {
            return QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(typed);
        }
    }
    return {};
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    // The usual start has nothing to answer and pays nothing for it.
    if (argc <= 1) {
        return std::nullopt;
    }
    // A core application needs no display; the game's own application comes after it. It gets
    // a copy of the arguments, as Qt takes the options it reads out of the list it is given.
    std::vector<char*> copy(argv, argv + argc);
    copy.push_back(nullptr);
    int count = argc;
    const QCoreApplication application(count, copy.data());

    bool wantsHelp = false;
    bool wantsVersion = false;
    if (const QString error = Error(argc, argv, wantsHelp, wantsVersion); !error.isEmpty()) {
        Print(stderr, QStringLiteral("veltrane: %1\n%2\n")
                          .arg(error, QCoreApplication::translate("CommandLine",
                                                                  "Try 'veltrane --help'.")));
        return kUsageExitStatus;
    }
    if (wantsHelp) {
        Print(stdout, Usage());
        return 0;
    }
    if (wantsVersion) {
        Print(stdout, QStringLiteral("veltrane %1\n").arg(QStringLiteral(VELTRANE_VERSION)));
        return 0;
    }
    return std::nullopt;
}

} // namespace veltrane::shell
