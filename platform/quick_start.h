#pragma once
// Work of the program's start taken off the road to the first window.

#include <QImage>
#include <QString>
#include <future>

namespace veltrane::platform {

// Reads the desktop's font configuration and lists its fonts into Qt's font database on a second
// thread while the windows are built; the first text laid out then finds them listed. Call
// after the application object exists and before the first window. The configuration is read
// once, inside the font database's lock, by this thread or by the first text laid out, whichever
// comes first: the font configuration library must not read its configuration on two threads
// at once (the two reads corrupt its shared state and can hang or crash the program), so the
// program never reads it on a thread of its own beside the font database.
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
