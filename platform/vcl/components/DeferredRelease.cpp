// SPDX-License-Identifier: MIT
#include "platform/vcl/components/DeferredRelease.h"

#include "platform/vcl/components/Component.h"
#include "platform/win32/windows/Messages.h"
#include "platform/win32/windows/WinUser.h"

#include <utility>
#include <vector>

namespace {

constexpr const char* kReleaseWindowClass = "TDeferredReleaseWindow";

std::vector<TGuardedPtr<TComponent>>& PendingReleases()
{
    static std::vector<TGuardedPtr<TComponent>> pending;
    return pending;
}

void FreePendingReleases()
{
    // Freeing one may free others it owns; their guards are null by the time they come up.
    const std::vector<TGuardedPtr<TComponent>> pending = std::exchange(PendingReleases(), {});
    for (const TGuardedPtr<TComponent>& component : pending)
        delete component.get();
}

LRESULT ReleaseWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != CM_RELEASE)
        return DefWindowProcA(window, message, wParam, lParam);
    FreePendingReleases();
    return 0;
}

HWND ReleaseWindow()
{
    static HWND window = nullptr;
    if (window && IsWindow(window))
        return window;
    if (!GetClassInfoA(HInstance, kReleaseWindowClass, nullptr))
        RegisterClassA(WNDCLASSA { 0, &ReleaseWindowProc, nullptr, nullptr, kReleaseWindowClass });
    window = CreateWindowExA(0, kReleaseWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, 0, nullptr);
    if (!window)
        throw EOutOfResources("Out of system resources: cannot create the release window");
    return window;
}

} // namespace

void ReleaseComponentLater(TComponent* component)
{
    if (!component)
        return;
    const HWND window = ReleaseWindow();
    PendingReleases().emplace_back(component);
    // One message per release: should a message be lost, the next one frees the earlier too.
    PostMessageA(window, CM_RELEASE, 0, 0);
}
