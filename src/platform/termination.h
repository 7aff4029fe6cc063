// Ends the program in order when it is asked to stop from outside (SIGTERM,
// SIGINT or SIGHUP, as at the end of a desktop session): the handler only
// wakes the event loop, which then closes the main window the usual way, so
// the same shut-down saves everything the player has.
#pragma once

#include <functional>

class QObject;

namespace tarnik {

// Installs the handlers; `close` runs on the window thread.
void OnTerminationRequest(QObject* owner, std::function<void()> close);

}  // namespace tarnik
