// Corvanthelix - the platform's standard alert sound.
#include "platform/bell.h"

#include <QApplication>
#include <QTimer>
#include <canberra.h>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// A sound server may accept the connection and then never answer: the bell
// has one thread of its own for the whole run, which such a server holds,
// never the game. Never destroyed, since that thread may outlive the rest.
struct Bell
{
    std::mutex lock;
    std::condition_variable asked;
    bool started = false;
    quint64 requested = 0; // rings asked for
    quint64 done = 0;      // rings the thread has finished with
    quint64 fellBack = 0;  // the last ring the window system's bell rang for
};

Bell &bell()
{
    static Bell *const shared = new Bell;
    return *shared;
}

// Whether the sound server took the bell. One context serves the whole run.
bool ringSoundTheme()
{
    static ca_context *context = [] {
        ca_context *made = nullptr;
        if (ca_context_create(&made) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Corvanthelix", CA_PROP_APPLICATION_ID,
                                "io.github.corvanthelix.corvanthelix", nullptr);
        return made;
    }();
    if (!context)
        return false;
    const int result = ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                       "Puzzle solved", nullptr);
    // Event sounds turned off is the player's choice, not a missing server.
    return result == CA_SUCCESS || result == CA_ERROR_DISABLED;
}

// Rings the window system's bell for that ring, once, on the game's thread.
void fallBack(quint64 ring)
{
    {
        const std::lock_guard hold(bell().lock);
        if (bell().fellBack >= ring)
            return;
        bell().fellBack = ring;
    }
    QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); });
}

void serve()
{
    Bell &state = bell();
    std::unique_lock hold(state.lock);
    for (;;) {
        state.asked.wait(hold, [&] { return state.requested > state.done; });
        const quint64 ring = state.requested;
        hold.unlock();
        const bool taken = ringSoundTheme();
        if (!taken)
            fallBack(ring);
        hold.lock();
        state.done = ring;
    }
}

} // namespace

void SystemBeep()
{
    Bell &state = bell();
    std::unique_lock hold(state.lock);
    // The last ring is still with the sound server: it is not answering.
    if (state.requested > state.done) {
        hold.unlock();
        return QApplication::beep();
    }
    if (!state.started) {
        try {
            std::thread(serve).detach();
            state.started = true;
        } catch (const std::system_error &) {
            hold.unlock();
            return QApplication::beep();
        }
    }
    const quint64 ring = ++state.requested;
    state.asked.notify_one();
    hold.unlock();
    // A second is as long as a player waits for a bell: then the window
    // system's rings instead.
    QTimer::singleShot(1000, qApp, [ring] {
        bool late;
        {
            const std::lock_guard hold(bell().lock);
            late = bell().done < ring;
        }
        if (late)
            fallBack(ring);
    });
}
