#include "platform/window_setup.h"

#include "platform/message_box.h"
#include "platform/pictures.h"

#include <QMainWindow>
#include <QPalette>
#include <QWidget>

namespace veltrane::platform {

void PrepareWindow(QWidget* window, const WindowSpec& shape, Background background) {
    if (shape.frame == FrameKind::ToolWindow) {
        window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
        ClearWindowIcon(window);
    } else {
        window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint);
        window->setWindowIcon(GameIcon());
    }
    if (background == Background::White) {
        auto* mainWindow = qobject_cast<QMainWindow*>(window);
        QWidget* client = mainWindow != nullptr ? mainWindow->centralWidget() : window;
        QPalette white = client->palette();
        white.setColor(QPalette::Window, Qt::white);
        client->setPalette(white);
        client->setAutoFillBackground(true);
    }
    SizeWindow(window, shape);
    CentreWindow(window, shape);
}

} // namespace veltrane::platform
