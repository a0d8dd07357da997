// Corvanthelix - the platform's standard alert sound.
#pragma once

// Rings the desktop's own event sound: the sound theme's bell through the
// desktop's sound server (libcanberra), heard on X11 and Wayland alike and
// muted where the player turned event sounds off; the window system's bell
// where no sound server answers, or none within a second. Returns at once:
// the sound server is asked on a thread of its own.
void SystemBeep();
