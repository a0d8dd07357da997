// Corvanthelix - the platform's standard alert sound.
#include "platform/bell.h"

#include <QApplication>
#include <QMetaObject>
#include <canberra.h>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

void ringWindowSystemBell()
{
    QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); });
}

// Whether the sound server took the bell. One context serves the whole run;
// connecting to the server, the first time, may take a while.
bool ringSoundTheme()
{
    static std::mutex lock;
    const std::lock_guard<std::mutex> hold(lock);
    static ca_context *context = [] {
        ca_context *made = nullptr;
        if (ca_context_create(&made) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Corvanthelix", CA_PROP_APPLICATION_ID,
                                "io.github.corvanthelix.Corvanthelix", nullptr);
        return made;
    }();
    if (!context)
        return false;
    const int result = ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                       "Puzzle solved", nullptr);
    // Event sounds turned off is the player's choice, not a missing server.
    return result == CA_SUCCESS || result == CA_ERROR_DISABLED;
}

} // namespace

void SystemBeep()
{
    try {
        std::thread([] {
            if (!ringSoundTheme())
                ringWindowSystemBell();
        }).detach();
    } catch (const std::system_error &) {
        QApplication::beep();
    }
}
