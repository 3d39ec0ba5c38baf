// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "controls.h"
#include "text.h"
#include "translated.h"

#include <initguid.h> // after windows.h: defines the accessibility GUIDs here
#include <oleacc.h>

namespace {

// Dynamic annotation: the documented way to name a standard control that has
// no label just before it. COM is started on the first use, once the window
// is on the screen, and the service kept for the life of the program.
IAccPropServices *annotation()
{
    static IAccPropServices *const services = [] {
        IAccPropServices *s = nullptr;
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                IID_IAccPropServices, reinterpret_cast<void **>(&s));
        return s;
    }();
    return services;
}

} // namespace

void setAccessibleName(HWND control, std::string_view name)
{
    if (IAccPropServices *services = annotation())
        services->SetHwndPropStr(
            control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, widen(name).c_str());
}

void nameControls(HWND window, const Layout::Window &layout)
{
    for (const Layout::Control &c : layout.controls)
        if (!c.accessibleName.empty())
            setAccessibleName(item(window, c), translated(layout.name, c.accessibleName));
}
