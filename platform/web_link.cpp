#include "platform/web_link.h"

#include <QDesktopServices>

namespace veltrane::platform {

bool OpenAddress(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

} // namespace veltrane::platform
