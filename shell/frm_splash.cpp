#include "shell/frm_splash.h"

#include "board/frm_board.h"
#include "platform/accessibility.h"
#include "platform/error_guard.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/program_folder.h"
#include "platform/quick_start.h"
#include "platform/sound.h"
#include "platform/startup_trace.h"
#include "platform/translations.h"
#include "platform/window_setup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>

namespace veltrane::shell {

const char* const kLargeFontsMessage = QT_TRANSLATE_NOOP(
    "frm_splash",
    "Your video display is set to LARGE FONTS. This application requires a setting of Small "
    "Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from "
    "Large to Small, then click on the APPLY button.");

QString GreetingSound() {
    return platform::ProgramFolder() + QStringLiteral("/SOUND/34.WAV");
}

} // namespace veltrane::shell

namespace {

const veltrane::platform::WindowSpec kSplashWindow{400, 400, false,
                                                   veltrane::platform::FrameKind::ToolWindow};

// 116 to 125 pixels per inch, the large-fonts setting among them, come out at 12.
constexpr int kLargeFontsTwipsPerPixel = 12;

} // namespace

frm_splash::frm_splash(veltrane::Game& game) : game_(game) {
    setWindowTitle(tr("Welcome"));
    setAttribute(Qt::WA_DeleteOnClose);

    lbl_splash = new QLabel(this);
    lbl_splash->setObjectName(QStringLiteral("lbl_splash"));
    lbl_splash->hide();
    veltrane::platform::MakeWindowAccessible(this);
    veltrane::platform::AddPictureText(
        this, QRect(0, 0, 400, 372), QAccessible::Graphic,
        tr("Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a "
           "diamond"));
    Image1 = new QWidget(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->installEventFilter(this);
    veltrane::platform::MakePressable(
        Image1, {QAccessible::Button,
                 [this] { veltrane::platform::Guarded([this] { Image1_Click(); }); },
                 {}});
    Image1->setAccessibleName(tr("ENTER HERE"));
    // ENTER HERE is the one thing on the splash that takes the keyboard, and it has the focus
    // from the start: Return or Space there is the click on the strip. A click elsewhere still
    // does nothing, and a click on the strip hands over at once, so focus by click is not
    // needed.
    Image1->setFocusPolicy(Qt::TabFocus);
    Image1->setFocus(Qt::OtherFocusReason);
}

bool frm_splash::Form_Load() {
    using namespace veltrane::platform;
    PrepareWindow(this, kSplashWindow, Background::White);
    lbl_splash->setGeometry(1, 1, 0, 0);
    Image1->setGeometry(139, 372, 130, 17);
    StartupMark("splash sized");
    const int twipsPerPixel = TwipsPerPixelRounded(DisplayDpiX(this));
    Image1->setCursor(HandCursor(devicePixelRatio()));
    if (twipsPerPixel == kLargeFontsTwipsPerPixel) {
        MsgBox(tr(veltrane::shell::kLargeFontsMessage));
        return false;
    }
    // The splash picture is decoded while the board loads; both are ready before it shows.
    auto picture = ReadPictureInBackground(QStringLiteral("splash"), devicePixelRatio());
    board_ = new frm_board(game_);
    StartupMark("board built");
    board_->Form_Load();
    StartupMark("board loaded");
    picture_ = QPixmap::fromImage(picture.get());
    showEnterHereInLanguage();
    StartupMark("splash picture");
    return true;
}

// The picture's ENTER HERE in the player's language: the band drawn for it over the English one.
void frm_splash::showEnterHereInLanguage() {
    const QString band = QStringLiteral("enter_") + veltrane::platform::GameLanguage();
    if (veltrane::platform::GameLanguage().isEmpty() ||
        !QFile::exists(QStringLiteral(":/pictures/") + band + QStringLiteral(".png"))) {
        return;
    }
    QPainter painter(&picture_);
    painter.drawPixmap(10, 372, veltrane::platform::LoadPicture(band, devicePixelRatio()));
}

void frm_splash::Image1_Click() {
    handedOver_ = true;
    // The board is shown before the splash goes, so the program never stands without a window.
    if (board_ != nullptr) {
        board_->show();
    }
    close();
}

bool frm_splash::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        veltrane::platform::StartupMark("splash activated");
    }
    veltrane::platform::PlayOnActivation(event, &veltrane::shell::GreetingSound);
    return QWidget::event(event);
}

bool frm_splash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1) {
        if (event->type() == QEvent::KeyPress) {
            if (veltrane::platform::IsKeyClick(*static_cast<QKeyEvent*>(event))) {
                veltrane::platform::Guarded([this] { Image1_Click(); });
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonPress) {
            stripPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = stripPressed_ && mouse->button() == Qt::LeftButton &&
                               Image1->rect().contains(mouse->position().toPoint());
            stripPressed_ = false;
            if (click) {
                veltrane::platform::Guarded([this] { Image1_Click(); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frm_splash::paintEvent(QPaintEvent* /*event*/) {
    veltrane::platform::StartupMark("splash painted");
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void frm_splash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A tool window is not given the focus when it appears by every window manager (metacity
    // keeps it where it was), yet the splash is the first window of a program the player has
    // just started, and ENTER HERE must hear the keyboard: the splash asks for it.
    if (!event->spontaneous()) {
        activateWindow();
    }
}

void frm_splash::closeEvent(QCloseEvent* event) {
    // Closed from its title bar before the board was entered: with the board still hidden
    // nothing would be left to play with, so the program ends instead of idling unseen.
    if (!handedOver_) {
        QCoreApplication::quit();
    }
    event->accept();
}
