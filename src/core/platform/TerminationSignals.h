#pragma once
// Turns SIGTERM and SIGINT into an orderly quit of the event loop, so that a desktop
// session ending or a Ctrl+C still writes the defaults.

class TerminationSignals {
public:
    // Installs the handlers; call once the application object exists.
    static bool install();
};
