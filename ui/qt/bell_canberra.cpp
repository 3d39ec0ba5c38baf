// SPDX-License-Identifier: MIT
#include "bell.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <dlfcn.h>
#include <mutex>
#include <thread>

// Many Linux desktops leave the X bell silent, so the desktop's own bell sound
// (the freedesktop sound theme's "bell" event) is played through libcanberra
// when a sound service takes it; otherwise the X bell rings.
//
// libcanberra waits for the sound server's answers on the calling thread, and
// a server that hangs would stop the ticks with it. So one worker thread owns
// the sound context and plays each request, the window's thread only hands
// requests over and never waits, and a request that is not played within a
// quarter of a second rings the X bell in its place. The worker, with
// libcanberra, starts on the first beep only: most runs never beep.
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
constexpr auto HandOver = 250ms;

struct ca_context;
using CreateFn = int (*)(ca_context **);
using PlayFn = int (*)(ca_context *, std::uint32_t, ...);
constexpr int CA_SUCCESS = 0;

class SoundWorker {
public:
    SoundWorker()
    {
        std::thread([this] { run(); }).detach();
    }

    // Returns at once with the number of this request.
    unsigned request()
    {
        const std::lock_guard lock(m_mutex);
        // A request still waiting is replaced: at most one ever waits.
        m_waiting = true;
        m_asked = Clock::now();
        const unsigned number = ++m_requested;
        m_wake.notify_one();
        return number;
    }

    bool played(unsigned number)
    {
        const std::lock_guard lock(m_mutex);
        return m_played >= number;
    }

private:
    // Never joined, and its objects never freed: the program may end while
    // a hung server holds the worker inside libcanberra.
    [[noreturn]] void run()
    {
        ca_context *context = nullptr;
        PlayFn play = nullptr;
        if (void *lib = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL)) {
            auto create = reinterpret_cast<CreateFn>(dlsym(lib, "ca_context_create"));
            play = reinterpret_cast<PlayFn>(dlsym(lib, "ca_context_play"));
            if (create == nullptr || play == nullptr || create(&context) != CA_SUCCESS)
                context = nullptr;
        }
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_waiting; });
            m_waiting = false;
            const unsigned number = m_requested;
            // Too late: the X bell has rung for it, and a sound now would be
            // a second beep out of time.
            if (Clock::now() - m_asked > HandOver)
                continue;
            lock.unlock();
            const bool ok = context != nullptr
                && play(context, 0, "event.id", "bell", "event.description", "Wakeprobe",
                       "application.name", "Wakeprober", static_cast<const char *>(nullptr))
                    == CA_SUCCESS;
            lock.lock();
            if (ok)
                m_played = number;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_waiting = false;
    Clock::time_point m_asked;
    unsigned m_requested = 0;
    unsigned m_played = 0;
};

} // namespace

void SystemBeep()
{
    static SoundWorker *const worker = new SoundWorker;
    const unsigned number = worker->request();
    QTimer::singleShot(HandOver, qApp, [number] {
        if (!worker->played(number))
            QApplication::beep();
    });
}
