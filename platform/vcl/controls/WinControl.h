// SPDX-License-Identifier: MIT
// Controls with a window: children, tab order, focus, a handle made on demand, painting of
// containers into the top-level buffer, and reflection of child notifications.
#pragma once

#include "platform/vcl/controls/Control.h"

#include <vector>

struct TCreateParams {
    AnsiString Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    WNDCLASSA WindowClass;
    AnsiString WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    void DestroyHandle();
    // A new window in place of the old one, for styles fixed at creation; the text goes
    // over and the focus comes back when the old window had it.
    void RecreateWnd();

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(std::size_t(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child (enabled unless allowDisabled) under a client point.
    TControl* ControlAtPos(TPoint point, bool allowDisabled) const;
    void Broadcast(TMessage& message);
    void NotifyControls(UINT message);

    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // The help topic of the control, 0 for none; the dialogs it opens are given it.
    int HelpContext() const { return FHelpContext; } // 0
    void SetHelpContext(int value) { FHelpContext = value; }
    // The tab-stopping windowed children, in tab order, walked depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list);
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    TBrush* Brush() const { return FBrush.get(); }

    bool AutoSize() const { return FAutoSize; } // false
    void SetAutoSize(bool value);
    // Refits the client area when automatic sizing is on.
    void AdjustSize();

    void SetBounds(int left, int top, int width, int height) override;
    TPoint ClientOrigin() const override;
    void Invalidate() override;
    void Update() override;
    void DefaultHandler(TMessage& message) override;
    void Loaded() override;
    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

    // The VCL object behind a window handle of ours, or nullptr.
    static TWinControl* FindControl(HWND window);
    // Paints the control's own content, without its children, on a DC the caller owns; public so
    // that a transparent child can have its parent drawn beneath it.
    virtual void PaintWindow(HDC dc);

protected:
    friend class TControl;
    void WndProc(TMessage& message) override;
    AnsiString GetText() const override;
    void SetTextBuffer(const AnsiString& value) override;
    virtual void CreateParams(TCreateParams& params);
    void CreateSubClass(TCreateParams& params, const char* className);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void CreateHandle();
    void PaintControls(HDC dc, TControl* first);
    void PaintHandler(TMessage& message);
    // Hands mouse messages over a windowless child to it; true when it took the message.
    bool IsControlMouseMsg(TMessage& message);
    // Called when a child's bounds or visibility changed.
    virtual void ControlsChanged();
    // The client size that fits the visible children.
    TSize ChildrenExtent() const;
    void UpdateTabOrder(int value);
    void ApplyFontToWindow();
    // Makes the window again if the parent has one.
    void UpdateControlState();

    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMCommand(TMessage& message);
    void WMCtlColor(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMSize(TMessage& message);
    void WMNCDestroy(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMSysColorChange(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMShowHintChanged(TMessage& message);
    void CMBiDiModeChanged(TMessage& message);
    void WMCaptureChanged(TMessage& message);

    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = nullptr;
    std::vector<TControl*> FControls; // windowless and windowed children, bottom to top
    std::vector<TWinControl*> FTabList;
    int FPendingTabOrder = -1;
    bool FTabStop = false;
    int FHelpContext = 0;
    std::unique_ptr<TBrush> FBrush;
    bool FAutoSize = false;
    TSize FSizeBeforeAutoSize;
    TControl* FMouseCaptureControl = nullptr;

private:
    friend TControl* GetCaptureControl();
};

// The window procedure of every VCL window: finds the object and runs its WindowProc.
LRESULT ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
