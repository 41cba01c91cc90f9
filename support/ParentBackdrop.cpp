// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/controls/WinControl.h"

#include <cassert>

namespace {

// Sets a control's paint-copy flag for a scope; the flag returns to what it was, so a backdrop
// drawn while another is being drawn does not clear the outer one's flag early.
class PaintCopyScope {
public:
    explicit PaintCopyScope(TControl& control)
        : FControl(control)
        , FWasSet((control.ControlState() & csPaintCopy) != 0)
    {
        FControl.SetControlState(FControl.ControlState() | csPaintCopy);
    }
    ~PaintCopyScope()
    {
        if (!FWasSet)
            FControl.SetControlState(FControl.ControlState() & ~TControlState(csPaintCopy));
    }
    PaintCopyScope(const PaintCopyScope&) = delete;
    PaintCopyScope& operator=(const PaintCopyScope&) = delete;

private:
    TControl& FControl;
    bool FWasSet;
};

// The surface's origin and clip for a scope, restored however the scope is left.
class SavedSurfaceState {
public:
    explicit SavedSurfaceState(HDC dc)
        : FDc(dc)
        , FLevel(SaveDC(dc))
    {
        if (FLevel == 0)
            throw EOutOfResources("Out of system resources: cannot save the drawing state");
    }
    ~SavedSurfaceState() { RestoreDC(FDc, FLevel); }
    SavedSurfaceState(const SavedSurfaceState&) = delete;
    SavedSurfaceState& operator=(const SavedSurfaceState&) = delete;

private:
    HDC FDc;
    int FLevel;
};

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

    const PaintCopyScope parentCopy(parent);
    const TRect self = control->BoundsRect();
    const int dx = -control->Left();
    const int dy = -control->Top();
    {
        const SavedSurfaceState saved(dc);
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
        const PaintCopyScope childCopy(*child);
        const SavedSurfaceState saved(dc);
        PlaceSurface(dc, base, child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}
