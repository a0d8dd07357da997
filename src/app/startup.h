// Corvanthelix - from start-up to shut-down.
#pragma once

class App;

// Gives the application its menu bar, binds the About command and opens the
// main window.
void StartUp(App &app);

// StartUp, then the event loop; afterwards releases the pictures, the windows
// and the menu bar. Returns the event loop's exit status.
int Main(App &app);

// Whether there is no display to open windows on (X11 and Wayland alike).
bool DisplayMissing();
