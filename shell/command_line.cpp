#include "shell/command_line.h"

#include "platform/program_folder.h"
#include "veltrane_config.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

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

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    // The usual start has nothing to answer and pays nothing for it.
    if (argc <= 1) {
        return std::nullopt;
    }
    // A core application needs no display; the game's own application comes after it.
    int count = argc;
    const QCoreApplication application(count, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltrane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTRANE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Veltrane Solitaire, a patience card game for one player.\n"
                       "The game itself takes no options."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QString usage = parser.helpText() + FilesAndEnvironment();

    QString error;
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    }
    if (!error.isEmpty()) {
        Print(stderr, QStringLiteral("veltrane: %1\n\n%2").arg(error, usage));
        return kUsageExitStatus;
    }
    if (parser.isSet(help)) {
        Print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("veltrane %1\n").arg(QStringLiteral(VELTRANE_VERSION)));
        return 0;
    }
    return std::nullopt;
}

} // namespace veltrane::shell
