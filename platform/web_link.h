#pragma once
// Opening a web address in the user's browser through the desktop.

#include <QUrl>
#include <functional>

class QObject;

namespace veltrane::platform {

// Hands the address to the desktop's opener (xdg-open, which each desktop answers with its own
// browser choice) and returns at once: a browser may take seconds to start, and in a plain X
// session the opener lasts as long as the browser it started, so nothing waits for it.
//
// answered runs once the desktop has answered, with false when no browser could be reached (the
// opener is missing, failed to start, or ended with a failure status) and true when the opener
// reports success (which says only that the request was accepted, not that the page loaded). It
// runs on context's thread as an event of its own, never inside the event that told of the
// opener's end, so it may open a modal window; it does not run at all once context is gone.
//
// An opener still running when the program ends is stopped, not waited for; a browser it
// already started carries on.
void OpenAddress(const QUrl& address, QObject* context, std::function<void(bool opened)> answered);

} // namespace veltrane::platform
