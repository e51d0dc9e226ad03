#include "shell/frm_win.h"

#include "platform/accessibility.h"
#include "platform/error_guard.h"
#include "platform/pictures.h"
#include "platform/program_folder.h"
#include "platform/sound.h"
#include "platform/window_setup.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>

namespace {

const veltrane::platform::WindowSpec kWinWindow{306, 124, false,
                                                veltrane::platform::FrameKind::ToolWindow};

} // namespace

frm_win::frm_win() {
    setWindowTitle(tr("Veltrane Solitaire"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    // The picture's words, for a player who cannot see them; a screen reader says the dialog's
    // description with its title as it opens, as it says a message box's text.
    setAccessibleDescription(tr("Well Done!"));
    veltrane::platform::AddPictureText(this, QRect(150, 10, 150, 72), QAccessible::StaticText,
                                       tr("Well Done!"));
    btn_OK = new QPushButton(tr("OK"), this);
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setDefault(true);
    connect(btn_OK, &QPushButton::clicked, this,
            [this] { veltrane::platform::Guarded([this] { btn_OK_Click(); }); });
}

void frm_win::Form_Load() {
    using namespace veltrane::platform;
    PrepareWindow(this, kWinWindow, Background::White);
    btn_OK->setGeometry(161, 87, 102, 22);
    picture_ = veltrane::platform::LoadPicture(QStringLiteral("win"), devicePixelRatio());
    // The only control, so it holds the keyboard focus: Enter or Space presses it.
    btn_OK->setFocus();
}

void frm_win::btn_OK_Click() {
    close();
}

bool frm_win::event(QEvent* event) {
    veltrane::platform::PlayOnActivation(event, &veltrane::shell::ApplauseSound);
    return QDialog::event(event);
}

void frm_win::paintEvent(QPaintEvent* /*event*/) {
    // Drawn from the client's top-left corner at its own size; what does not fit is cut off.
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

namespace veltrane::shell {

QString ApplauseSound() {
    return platform::ProgramFolder() + QStringLiteral("/SOUND/APPLAUS.WAV");
}

void ShowWinDialog(QWidget* blocked) {
    auto* dialog = new frm_win;
    dialog->Form_Load();
    platform::SetOwner(dialog, blocked);
    // exec() deletes the dialog on its way out, as it closes on delete.
    dialog->exec();
}

} // namespace veltrane::shell
