// The board's Help menu: each item opens the Help window modally on its own page, and the
// board's handler returns only when the window has closed.

#include "board/frm_board.h"
#include "game/game.h"
#include "help/frm_help.h"
#include "platform/program_folder.h"
#include "qt_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void writeHelp(const QString& name, const QByteArray& bytes) {
    QFile file(veltrane::platform::ProgramFolder() + QLatin1Char('/') + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct Seen {
    QString text;
    bool logoShown;
};

// A loaded, shown board over a seeded game.
class HelpMenu : public ::testing::Test {
  protected:
    HelpMenu() {
        board.Form_Load();
        board.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&board));
    }

    veltrane::SeededRandomSource random{1};
    veltrane::Game game{random};
    frm_board board{game};
};

TEST_F(HelpMenu, AboutThenRulesOpenTheWindowOnTheirOwnPages) {
    writeHelp(QStringLiteral("rules.txt"), "The rules\r\n");
    writeHelp(QStringLiteral("orvik.txt"), "About us\r\n");

    // Answers each Help window once it shows its page: note the page, then press "OK".
    QList<Seen> seen;
    const veltrane::test_support::ModalAnswerer answer([&](QWidget* modal) {
        auto* help = qobject_cast<frm_help*>(modal);
        if (help == nullptr || help->helpText().isEmpty()) {
            return false;
        }
        seen.append({help->helpText(), !help->findChild<QLabel*>("img_logo")->isHidden()});
        help->findChild<QPushButton*>("btn_help_4")->click();
        return true;
    });

    for (const char* item : {"mnu_about", "mnu_rules"}) {
        auto* action = board.findChild<QAction*>(QLatin1String(item));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled()) << item;
        action->trigger();
        // The handler has returned: the window is closed and gone.
        EXPECT_EQ(board.findChild<frm_help*>(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_EQ(qobject_cast<frm_help*>(w), nullptr) << "a help window survived";
        }
    }
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].text, QStringLiteral("About us\r\n"));
    EXPECT_TRUE(seen[0].logoShown);
    EXPECT_EQ(seen[1].text, QStringLiteral("The rules\r\n"));
    EXPECT_FALSE(seen[1].logoShown);
    EXPECT_EQ(game.state().HelpTopic, 0);
}

TEST_F(HelpMenu, AMinimisedHelpWindowComesBackWhenTheBoardItBlocksIsUsed) {
    writeHelp(QStringLiteral("rules.txt"), "The rules\r\n");

    bool stayed = false;
    bool cameBack = false;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* help = qobject_cast<frm_help*>(QApplication::activeModalWidget());
        if (help == nullptr || help->helpText().isEmpty()) {
            return;
        }
        answer.stop();
        help->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        stayed = help->isMinimized();
        // The player clicks the board, which the window system activates.
        board.activateWindow();
        cameBack = QTest::qWaitFor([help] { return !help->isMinimized() && help->isVisible(); });
        help->findChild<QPushButton*>("btn_help_4")->click();
    });
    answer.start();
    board.findChild<QAction*>(QStringLiteral("mnu_rules"))->trigger();
    EXPECT_TRUE(stayed) << "the game undid the minimise on its own";
    EXPECT_TRUE(cameBack);
}

} // namespace
