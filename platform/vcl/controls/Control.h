// SPDX-License-Identifier: MIT
// The base of every visible control: bounds, visibility, enabled state, caption, colour,
// font, cursor and hint, and the message dispatch WndProc -> handler table -> DefaultHandler.
#pragma once

#include "platform/vcl/components/Component.h"
#include "platform/vcl/controls/MessageTable.h"
#include "platform/vcl/graphics/Graphics.h"
#include "platform/win32/windows/WinUser.h"

#include <functional>
#include <memory>

class TWinControl;
class TBasicAction;

enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadOnly };

enum TControlStyleFlag : std::uint32_t {
    csAcceptsControls = 0x0001,
    csCaptureMouse = 0x0002,
    csClickEvents = 0x0004,
    csFramed = 0x0008,
    csSetCaption = 0x0010,
    csOpaque = 0x0020,
    csDoubleClicks = 0x0040,
    csFixedWidth = 0x0080,
    csFixedHeight = 0x0100,
    csNoDesignVisible = 0x0200,
    csReplicatable = 0x0400,
    csNoStdEvents = 0x0800,
};
using TControlStyle = std::uint32_t;

enum TControlStateFlag : std::uint32_t {
    csLButtonDown = 0x0001,
    csClicked = 0x0002,
    csPalette = 0x0004,
    csReadingState = 0x0008,
    csAlignmentNeeded = 0x0010,
    csFocusing = 0x0020,
    csCreatingHandle = 0x0040,
    csCustomPaint = 0x0080,
    csDestroyingHandle = 0x0100,
    csPaintCopy = 0x0200, // painted as a copy into someone else's surface, not on its own window
};
using TControlState = std::uint32_t;

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : std::uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = std::uint8_t;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

TShiftState KeysToShiftState(WPARAM keys);
// The modifiers of a queued key message: Alt from the context flag the message carries, so an
// Alt let go before the key is dispatched still counts; Shift and Ctrl from the key table.
TShiftState KeyDataToShiftState(LPARAM keyData);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* value);
    void SetParentComponent(TComponent* parent) override;
    bool HasParent() const override { return true; }

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    virtual void SetClientSize(int width, int height);

    bool Visible() const { return FVisible; } // true
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;
    virtual bool Enabled() const { return FEnabled; } // true
    void SetEnabled(bool value);

    AnsiString Caption() const { return GetText(); }
    void SetCaption(const AnsiString& value) { SetText(value); }
    AnsiString Text() const { return GetText(); }
    void SetText(const AnsiString& value);

    TColor Color() const { return FColor; } // clWindow
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; } // true
    void SetParentFont(bool value);
    TCursor Cursor() const { return FCursor; } // crDefault
    void SetCursor(TCursor value);
    AnsiString Hint() const { return FHint; }
    void SetHint(const AnsiString& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    // While set, ShowHint follows the parent's; setting ShowHint clears it.
    bool ParentShowHint() const { return FParentShowHint; } // true
    void SetParentShowHint(bool value);

    TBiDiMode BiDiMode() const { return FBiDiMode; } // bdLeftToRight
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; } // true
    void SetParentBiDiMode(bool value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    // Text flags for this control's reading order: left and right alignment swap when the
    // control is aligned right to left, and right-to-left reading is added when it reads so.
    UINT DrawTextBiDiModeFlags(UINT flags) const;
    UINT DrawTextBiDiModeFlagsReadingOnly() const;

    // Mouse messages go to this control wherever the mouse is, until it lets go.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // The action whose caption, state and hint the control shows and whose Execute a click
    // runs when OnClick is not set; the control hears of every change of it.
    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // The entry of every message; replaceable, WndProc by default.
    std::function<void(TMessage&)> WindowProc;
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    static const TMessageTable& Messages();
    virtual const TMessageTable& MessageTable() const { return Messages(); }

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    virtual void Click();
    virtual void DblClick();

    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;
    // The top-left corner of the client area in the parent window's client coordinates.
    virtual TPoint ClientOrigin() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    void Loaded() override;
    // Called by the action when it changed, and when it is assigned. With checkDefaults only
    // what is still at its default takes the action's value.
    virtual void ActionChange(TObject* sender, bool checkDefaults);

protected:
    friend class TWinControl;
    friend class TBasicAction;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void WndProc(TMessage& message);
    virtual AnsiString GetText() const { return FText; }
    virtual void SetTextBuffer(const AnsiString& value);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void VisibleChanging() {}
    // Bounds and visibility changes reach the parent so that automatic sizing follows.
    void RequestParentResize();
    void InvalidateControl(bool isVisible);
    void FontChanged();

    void WMLButtonDown(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMRButtonDown(TMessage& message);
    void WMRButtonUp(TMessage& message);
    void WMMouseMove(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void CMParentColorChanged(TMessage& message);
    void CMHitTest(TMessage& message);
    void CMSysColorChange(TMessage& message);
    void CMCancelMode(TMessage& message);
    void CMParentShowHintChanged(TMessage& message);
    void CMParentBiDiModeChanged(TMessage& message);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    AnsiString FText;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TCursor FCursor = crDefault;
    AnsiString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    TBasicAction* FAction = nullptr;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState FControlState = 0;
};

// The control under a point of the screen: the window of ours there, or the windowless child
// of it the point falls on; disabled ones count when allowDisabled is set.
TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled);
// The control holding the mouse capture, windowless ones included, or nullptr.
TControl* GetCaptureControl();
