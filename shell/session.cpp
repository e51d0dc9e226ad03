#include "shell/session.h"

#include "game/game.h"
#include "game/saved_game.h"
#include "platform/error_guard.h"
#include "platform/saved_state.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <cstdio>
#include <string>
#include <string_view>

namespace veltrane::shell {

namespace {

// The session's key as the restart command gives it: the client's id and the key of the save,
// joined by "_"; Qt parts the option at the first "_" when it reads it back.
QString KeyOf(const QString& id, const QString& key) {
    return key.isEmpty() ? id : id + QLatin1Char('_') + key;
}

void Say(const QString& text) {
    std::fputs(QStringLiteral("veltrane: %1\n").arg(text).toLocal8Bit().constData(), stderr);
}

QString Why(const SavedGameReading& reading) {
    switch (reading.fault) {
    case SavedGameFault::TooLarge:
        return QCoreApplication::translate("Session", "it is larger than a saved game can be");
    case SavedGameFault::NotASavedGame:
        return QCoreApplication::translate("Session", "it is not a saved game");
    case SavedGameFault::UnknownVersion:
        return QCoreApplication::translate("Session", "it was saved by another version");
    case SavedGameFault::CutShort:
        return QCoreApplication::translate("Session", "it is cut short");
    case SavedGameFault::Unreadable:
        return QCoreApplication::translate("Session", "line %1 cannot be read").arg(reading.line);
    case SavedGameFault::CardTwice:
        return QCoreApplication::translate("Session", "line %1 names a card that lies elsewhere")
            .arg(reading.line);
    case SavedGameFault::CardMissing:
        return QCoreApplication::translate("Session", "a card is missing");
    case SavedGameFault::Unreachable:
    case SavedGameFault::None:
        break;
    }
    return QCoreApplication::translate("Session", "no game can reach its position");
}

} // namespace

void KeepGameForSession(const Game& game, QObject* owner) {
    QObject::connect(
        qApp, &QGuiApplication::saveStateRequest, owner, [&game](QSessionManager& manager) {
            platform::Guarded([&] {
                const std::string text = WriteSavedGame(game);
                if (text.empty()) {
                    return;
                }
                const QString file =
                    platform::SessionStateFile(KeyOf(manager.sessionId(), manager.sessionKey()));
                if (file.isEmpty()) {
                    Say(QCoreApplication::translate("Session",
                                                    "the session's key is not a plain file name; "
                                                    "the game in progress is not saved."));
                    return;
                }
                const QString error =
                    platform::WriteStateFile(file, QByteArray::fromStdString(text));
                if (!error.isEmpty()) {
                    Say(QCoreApplication::translate("Session",
                                                    "the game in progress cannot be saved to "
                                                    "%1: %2.")
                            .arg(file, error));
                    return;
                }
                manager.setDiscardCommand(platform::DiscardCommand(file));
            });
        });
}

bool RestoreGameOfSession(Game& game) {
    if (!qApp->isSessionRestored()) {
        return false;
    }
    const QString file = platform::SessionStateFile(KeyOf(qApp->sessionId(), qApp->sessionKey()));
    if (file.isEmpty()) {
        Say(QCoreApplication::translate("Session", "the session's key is not a plain file name; "
                                                   "a new game starts."));
        return false;
    }
    const platform::StateFileRead read = platform::ReadStateFile(file, kSavedGameMaxBytes);
    if (!read.found) {
        if (!read.error.isEmpty()) {
            Say(QCoreApplication::translate("Session",
                                            "the saved game %1 cannot be read: %2; a new game "
                                            "starts.")
                    .arg(file, read.error));
        }
        return false;
    }
    const SavedGameReading reading = ReadSavedGame(
        std::string_view(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size())),
        game);
    if (reading.fault != SavedGameFault::None) {
        Say(QCoreApplication::translate("Session", "the saved game %1 is ignored, as %2; a new "
                                                   "game starts.")
                .arg(file, Why(reading)));
        return false;
    }
    return true;
}

} // namespace veltrane::shell
