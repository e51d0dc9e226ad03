// The yardstick for the start-up benchmark: the smallest Qt Widgets program that opens a window.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(621, 480);
    window.show();
    return QApplication::exec();
}
