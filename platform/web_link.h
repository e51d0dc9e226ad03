#pragma once
// Opening a web address in the user's browser through the desktop.

#include <QUrl>

namespace veltrane::platform {

// Hands the address to the desktop. False when the desktop refused it (no browser, no handler
// for the scheme); true says only that the request was accepted, not that the page loaded.
bool OpenAddress(const QUrl& address);

} // namespace veltrane::platform
