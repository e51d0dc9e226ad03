#include "platform/message_box.h"

#include "platform/error_guard.h"
#include "platform/window_setup.h"

#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

namespace veltrane::platform {

void ClearWindowIcon(QWidget* window) {
    QPixmap transparent(16, 16);
    transparent.fill(Qt::transparent);
    window->setWindowIcon(QIcon(transparent));
}

void MsgBox(const QString& text) {
    QMessageBox box;
    box.setWindowTitle(QString::fromLatin1(kAppTitle));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    ClearWindowIcon(&box);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setIcon(QIcon());
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    SetOwner(&box, BlockedWindow());
    OfferNoResize(&box);
    box.exec();
}

} // namespace veltrane::platform
