#include "shell/command_line.h"

#include "platform/program_folder.h"
#include "platform/qt_options.h"
#include "veltrane_config.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace veltrane::shell {
namespace {

// What follows the options in the usage: the files beside the program and the environment
// the game heeds, with the answer to the large-fonts message.
QString FilesAndEnvironment() {
    return QStringLiteral(
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
               "                   scale of 1.25, as QT_SCALE_FACTOR=1 veltrane.\n")
        .arg(platform::ProgramFolder());
}

// Qt's own options, which the game lets through to Qt.
QString QtOptions() {
    return QStringLiteral(
        "\n"
        "Qt's options, passed on to Qt (one dash or two):\n"
        "  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,\n"
        "  -display DISPLAY, -name NAME, -visual ID, -session ID (given by a session\n"
        "  manager that restarts the game), -style NAME, -stylesheet FILE,\n"
        "  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),\n"
        "  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,\n"
        "  -nograb, -dograb, -sync, -testability.\n");
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
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
    QCoreApplication::setApplicationName(QStringLiteral("veltrane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTRANE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Veltrane Solitaire, a patience card game for one player.\n"
                       "The game itself takes no options; Qt's own are passed on to Qt."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QString usage = parser.helpText() + QtOptions() + FilesAndEnvironment();

    // Qt's options are left in place for the application object; every other word is the
    // game's, and is named in an error exactly as it was typed.
    QString error;
    bool wantsHelp = false;
    bool wantsVersion = false;
    bool optionsEnd = false;
    for (int i = 1; i < argc && error.isEmpty(); ++i) {
        const QString typed = QString::fromLocal8Bit(argv[i]);
        if (!optionsEnd) {
            const platform::QtOption qt = platform::QtOptionAt(argc, argv, i);
            if (qt.missingValue) {
                error = QStringLiteral("Missing value after '%1'.").arg(typed);
                break;
            }
            if (qt.length > 0) {
                i += qt.length - 1;
                continue;
            }
        }
        if (!optionsEnd && typed == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && typed.size() > 1 && typed.startsWith(QLatin1Char('-'))) {
            const QString name = typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
            if (help.names().contains(name)) {
                wantsHelp = true;
            } else if (version.names().contains(name)) {
                wantsVersion = true;
            } else {
                error = QStringLiteral("Unknown option '%1'.").arg(typed);
            }
        } else {
            error = QStringLiteral("Unexpected argument '%1'.").arg(typed);
        }
    }
    if (!error.isEmpty()) {
        Print(stderr, QStringLiteral("veltrane: %1\n\n%2").arg(error, usage));
        return kUsageExitStatus;
    }
    if (wantsHelp) {
        Print(stdout, usage);
        return 0;
    }
    if (wantsVersion) {
        Print(stdout, QStringLiteral("veltrane %1\n").arg(QStringLiteral(VELTRANE_VERSION)));
        return 0;
    }
    return std::nullopt;
}

} // namespace veltrane::shell
