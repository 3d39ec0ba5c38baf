// SPDX-License-Identifier: MIT
#include "bell.h"

#include <QApplication>

#include <cstdint>
#include <dlfcn.h>

// Many Linux desktops leave the X bell silent, so the desktop's own bell sound
// (the freedesktop sound theme's "bell" event) is played through libcanberra
// when a sound service takes it; otherwise the X bell rings. libcanberra is
// loaded on the first beep only: most runs never beep, and start-up stays as
// cheap as the toolkit's own.
namespace {

struct ca_context;
using CreateFn = int (*)(ca_context **);
using PlayFn = int (*)(ca_context *, std::uint32_t, ...);
constexpr int CA_SUCCESS = 0;

struct Canberra {
    ca_context *context = nullptr;
    PlayFn play = nullptr;

    Canberra()
    {
        void *lib = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (lib == nullptr)
            return;
        auto create = reinterpret_cast<CreateFn>(dlsym(lib, "ca_context_create"));
        play = reinterpret_cast<PlayFn>(dlsym(lib, "ca_context_play"));
        if (create == nullptr || play == nullptr || create(&context) != CA_SUCCESS)
            context = nullptr;
    }

    bool bell() const
    {
        return context != nullptr
            && play(context, 0, "event.id", "bell", "event.description", "Wakeprobe",
                   "application.name", "Wakeprober", static_cast<const char *>(nullptr))
            == CA_SUCCESS;
    }
};

} // namespace

void SystemBeep()
{
    static const Canberra canberra;
    if (!canberra.bell())
        QApplication::beep();
}
