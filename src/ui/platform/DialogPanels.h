#pragma once
// The real modal dialogs behind Panels: message boxes and the system beep.

class DialogPanels {
public:
    // Makes Panels show real dialogs from now on.
    static void install();
};
