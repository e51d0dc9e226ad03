#pragma once
// Qt before 6.8 only: a changed accessible description told with its text.

#include <QString>
#include <QWidget>

namespace veltrane::platform {

// Tells the desktop's accessibility bus that the widget's description is now `text`, carrying
// the text itself. False when there is no bus to tell it on (or on Qt 6.8 and later, where Qt's
// own events carry the text and this is never needed).
bool SendDescriptionWithItsText(QWidget* widget, const QString& text);

} // namespace veltrane::platform
