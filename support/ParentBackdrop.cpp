// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/controls/WinControl.h"

#include <cassert>

namespace {

// Sets a control's paint-copy flag until the returned step runs; the flag returns to what it
// was, so a backdrop drawn while another is being drawn does not clear the outer one's flag early.
auto MarkPaintCopy(TControl& control)
{
    const bool wasSet = (control.ControlState() & csPaintCopy) != 0;
    control.SetControlState(control.ControlState() | csPaintCopy);
    return ScopeExit([&control, wasSet] {
        if (!wasSet)
            control.SetControlState(control.ControlState() & ~TControlState(csPaintCopy));
    });
}

// Saves the surface's origin and clip until the returned step restores them.
auto SaveSurfaceState(HDC dc)
{
    const int level = SaveDC(dc);
    if (level == 0)
        throw EOutOfResources("Out of system resources: cannot save the drawing state");
    return ScopeExit([dc, level] { RestoreDC(dc, level); });
}

// Moves the surface origin to a point given relative to the origin the surface had when the
// backdrop was asked for, and clips to (0, 0, width, height) there.
void PlaceSurface(HDC dc, TPoint base, int x, int y, int width, int height)
{
    SetViewportOrgEx(dc, base.x + x, base.y + y, nullptr);
    IntersectClipRect(dc, 0, 0, width, height);
}

} // namespace

void DrawParentBackdrop(TControl* control, TCanvas* dest)
{
    assert(dest && "the backdrop is painted into a canvas");
    if (!control || !control->Parent())
        return;
    TWinControl& parent = *control->Parent();
    const int count = parent.ControlCount();
    HDC dc = dest->Handle();
    // Dest's own origin is where the control's top-left corner lands, whatever it is.
    TPoint base;
    GetViewportOrgEx(dc, &base);

    const auto parentCopy = MarkPaintCopy(parent);
    const TRect self = control->BoundsRect();
    const int dx = -control->Left();
    const int dy = -control->Top();
    {
        const auto saved = SaveSurfaceState(dc);
        PlaceSurface(dc, base, dx, dy, parent.ClientWidth(), parent.ClientHeight());
        parent.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        parent.PaintWindow(dc);
    }
    // Windowless children are listed bottom to top, so the ones before the control lie beneath it.
    // A child removed while painting must not make the walk read past the list.
    for (int index = 0; index < count && index < parent.ControlCount(); ++index) {
        TControl* child = parent.Controls(index);
        if (child == control)
            break;
        if (!dynamic_cast<TGraphicControl*>(child) || !child->Visible()
            || IntersectRects(child->BoundsRect(), self).IsEmpty())
            continue;
        const auto childCopy = MarkPaintCopy(*child);
        const auto saved = SaveSurfaceState(dc);
        PlaceSurface(dc, base, child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}
