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
// libcanberra, starts when the beep is first asked for: most runs never beep.
//
// A first play connects to the server, finds the theme's file, decodes it and
// uploads it, which on a cold start can take longer than that quarter second:
// the X bell would ring and the sound come after it. So the worker makes the
// sound ready (connected, and the sample in the server's cache) as soon as
// the beep is asked for, well before the first prompt plays it.
//
// libcanberra never reconnects a context whose server went away, as a
// desktop's sound server does after an update, a crash or a change of audio
// device: a play that fails is tried once more on a new context, made ready
// afresh, so that a server that came back is heard from on the next beep.
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
constexpr auto HandOver = 250ms;

struct ca_context;
using CreateFn = int (*)(ca_context **);
using DestroyFn = int (*)(ca_context *);
using OpenFn = int (*)(ca_context *);
using PlayFn = int (*)(ca_context *, std::uint32_t, ...);
using CacheFn = int (*)(ca_context *, ...);
constexpr int CA_SUCCESS = 0;

// The bell event through libcanberra, loaded at run time: without it, or
// without a sound service, nothing plays and the X bell rings instead.
class DesktopSound {
public:
    DesktopSound()
    {
        void *lib = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (lib == nullptr)
            return;
        m_create = reinterpret_cast<CreateFn>(dlsym(lib, "ca_context_create"));
        m_destroy = reinterpret_cast<DestroyFn>(dlsym(lib, "ca_context_destroy"));
        m_open = reinterpret_cast<OpenFn>(dlsym(lib, "ca_context_open"));
        m_play = reinterpret_cast<PlayFn>(dlsym(lib, "ca_context_play"));
        m_cache = reinterpret_cast<CacheFn>(dlsym(lib, "ca_context_cache"));
        m_loaded = m_create != nullptr && m_destroy != nullptr && m_open != nullptr
            && m_play != nullptr && m_cache != nullptr;
        create();
    }

    void prepare()
    {
        m_prepared = true;
        if (m_context != nullptr && m_open(m_context) == CA_SUCCESS)
            m_cache(m_context, "event.id", "bell", static_cast<const char *>(nullptr));
    }

    // Plays the bell; a second try on a new context only while inTime says
    // the sound would still come in its tick.
    template <typename InTime> bool play(InTime inTime)
    {
        if (playOnce())
            return true;
        // Perhaps the server went away and came back: a new context, ready
        // for this beep if there is still time, or for the next.
        if (m_context != nullptr)
            m_destroy(m_context);
        create();
        if (m_prepared)
            prepare();
        return inTime() && playOnce();
    }

private:
    void create()
    {
        m_context = nullptr;
        if (m_loaded && m_create(&m_context) != CA_SUCCESS)
            m_context = nullptr;
    }

    bool playOnce()
    {
        return m_context != nullptr
            && m_play(m_context, 0, "event.id", "bell", "event.description", "Wakeprobe",
                   "application.name", "Wakeprober", static_cast<const char *>(nullptr))
            == CA_SUCCESS;
    }

    ca_context *m_context = nullptr;
    bool m_loaded = false;
    bool m_prepared = false;
    CreateFn m_create = nullptr;
    DestroyFn m_destroy = nullptr;
    OpenFn m_open = nullptr;
    PlayFn m_play = nullptr;
    CacheFn m_cache = nullptr;
};

class SoundWorker {
public:
    SoundWorker()
    {
        std::thread([this] { run(); }).detach();
    }

    // Returns at once; the worker makes the sound ready when it is free.
    void prepare()
    {
        const std::lock_guard lock(m_mutex);
        m_preparing = true;
        m_wake.notify_one();
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
        DesktopSound sound;
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_waiting || m_preparing; });
            // A beep that waits comes first: making ready can wait for it.
            if (!m_waiting) {
                m_preparing = false;
                lock.unlock();
                sound.prepare();
                continue;
            }
            m_waiting = false;
            const unsigned number = m_requested;
            // Too late: the X bell has rung for it, and a sound now would be
            // a second beep out of time.
            const auto inTime = [asked = m_asked] { return Clock::now() - asked <= HandOver; };
            if (!inTime())
                continue;
            lock.unlock();
            const bool ok = sound.play(inTime);
            lock.lock();
            if (ok)
                m_played = number;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_waiting = false;
    bool m_preparing = false;
    Clock::time_point m_asked;
    unsigned m_requested = 0;
    unsigned m_played = 0;
};

SoundWorker *worker()
{
    static SoundWorker *const worker = new SoundWorker;
    return worker;
}

} // namespace

void PrepareSystemBeep() { worker()->prepare(); }

void SystemBeep()
{
    const unsigned number = worker()->request();
    QTimer::singleShot(HandOver, qApp, [number] {
        if (!worker()->played(number))
            QApplication::beep();
    });
}
