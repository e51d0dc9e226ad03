#pragma once
// Work of the program's start taken off the road to the first window.

#include <QImage>
#include <QString>
#include <future>
#include <thread>

namespace veltrane::platform {

// Reads the desktop's font configuration on a second thread while the window system connects;
// the board's menu bar, the first text the program lays out, then finds it read. Fonts work as
// ever if the thread has not finished: the configuration is read once, by whoever comes first.
class FontConfigurationWarmUp {
  public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

  private:
    std::thread reader_;
};

// Lists the desktop's fonts into Qt's font database on a second thread while the windows are
// built; the first text laid out then finds them listed. Call after the application object
// exists. The font database serves every thread, so nothing waits unless it must.
std::future<void> ListFontsInBackground();

// Starts decoding one of the program's pictures on a second thread; get() gives the image, or
// throws the run-time error "Invalid picture" as LoadPicture would.
std::future<QImage> ReadPictureInBackground(const QString& name, qreal devicePixelRatio);

// Sets the application's style: the platform's own, except that the menu bar's overflow
// button, which the board's two menus never need, gets its icon only if it is ever drawn.
// Reading that icon at once makes the image reader load every image plug-in of the system.
// Call after the application object exists and before the first window.
void InstallApplicationStyle();

} // namespace veltrane::platform
