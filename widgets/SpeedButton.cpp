// SPDX-License-Identifier: MIT
#include "widgets/SpeedButton.h"

#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/menus/ActnList.h"
#include "support/VCLUtils.h"

#include <algorithm>
#include <utility>

namespace {

// Sets a flag for a scope and clears it however the scope is left, unless the object that
// holds the flag was freed meanwhile.
class FlagScope {
public:
    FlagScope(bool& flag, std::shared_ptr<bool> alive)
        : FFlag(flag)
        , FAlive(std::move(alive))
    {
        FFlag = true;
    }
    ~FlagScope()
    {
        if (*FAlive)
            FFlag = false;
    }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& FFlag;
    std::shared_ptr<bool> FAlive;
};

} // namespace

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner)
    , FGlyphRenderer(std::make_unique<TButtonGlyph>())
    , FPaintBuffer(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 25, 25);
    // The button fires its own clicks, so the toolkit's click events stay off.
    FControlStyle = csCaptureMouse | csOpaque | csDoubleClicks | csReplicatable;
    FGlyphRenderer->OnChange = [this](TObject*) { Invalidate(); };
    SetParentFont(true);
    SetParentShowHint(false);
    SetShowHint(true);
}

TSpeedButton::~TSpeedButton()
{
    *FAlive = false;
    Destroying();
    FGlyphRenderer.reset();
    FPaintBuffer.reset();
    delete std::exchange(FAutoRepeatTimer, nullptr);
}

const TMessageTable& TSpeedButton::Messages()
{
    static const TMessageTable table(&TGraphicControl::Messages(),
        {
            { CM_GROUPBUTTONPRESSED, &MessageHandler<TSpeedButton, &TSpeedButton::CMGroupButtonPressed> },
            { CM_DIALOGCHAR, &MessageHandler<TSpeedButton, &TSpeedButton::CMDialogChar> },
            { CM_ENABLEDCHANGED, &MessageHandler<TSpeedButton, &TSpeedButton::CMEnabledChanged> },
            { CM_FONTCHANGED, &MessageHandler<TSpeedButton, &TSpeedButton::CMFontChanged> },
            { CM_MOUSEENTER, &MessageHandler<TSpeedButton, &TSpeedButton::CMMouseEnter> },
            { CM_MOUSELEAVE, &MessageHandler<TSpeedButton, &TSpeedButton::CMMouseLeave> },
            { CM_SYSCOLORCHANGE, &MessageHandler<TSpeedButton, &TSpeedButton::CMSysColorChange> },
            { CM_TEXTCHANGED, &MessageHandler<TSpeedButton, &TSpeedButton::CMTextChanged> },
            { CM_VISIBLECHANGED, &MessageHandler<TSpeedButton, &TSpeedButton::CMVisibleChanged> },
            { WM_LBUTTONDBLCLK, &MessageHandler<TSpeedButton, &TSpeedButton::WMLButtonDblClk> },
            { WM_RBUTTONDOWN, &MessageHandler<TSpeedButton, &TSpeedButton::WMRButton> },
            { WM_RBUTTONUP, &MessageHandler<TSpeedButton, &TSpeedButton::WMRButton> },
        });
    return table;
}

void TSpeedButton::Inherited(TMessage& message)
{
    if (const auto handler = TGraphicControl::Messages().Find(message.Msg))
        handler(*this, message);
    else
        DefaultHandler(message);
}

// Property writers.

namespace {
template <class T> bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

void TSpeedButton::SetAlignment(TAlignment value)
{
    if (value == Alignment())
        return;
    FGlyphRenderer->SetAlignment(value);
    Invalidate();
}

void TSpeedButton::SetWordWrap(bool value)
{
    if (value == WordWrap())
        return;
    FGlyphRenderer->SetWordWrap(value);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    if (Store(FLayout, value))
        Invalidate();
}

void TSpeedButton::SetSpacing(int value)
{
    if (Store(FSpacing, value))
        Invalidate();
}

void TSpeedButton::SetFlat(bool value)
{
    if (Store(FFlat, value))
        Invalidate();
}

void TSpeedButton::SetStyle(TButtonStyle value)
{
    if (Store(FStyle, value))
        Invalidate();
}

void TSpeedButton::SetMarkDropDown(bool value)
{
    if (Store(FMarkDropDown, value))
        Invalidate();
}

void TSpeedButton::SetTransparent(bool value)
{
    if (Store(FTransparent, value))
        Invalidate();
}

void TSpeedButton::SetGrayedInactive(bool value)
{
    if (Store(FGrayedInactive, value))
        Invalidate();
}

void TSpeedButton::SetMargin(int value)
{
    if (value < -1)
        return;
    if (Store(FMargin, value))
        Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    value = std::min(value, 5);
    if (value == FGlyphRenderer->NumGlyphs())
        return;
    FGlyphRenderer->SetNumGlyphs(value);
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* value)
{
    FGlyphRenderer->SetSourceGlyph(value);
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int value)
{
    if (Store(FGroupIndex, value))
        NotifyGroup();
}

void TSpeedButton::SetAllowAllUp(bool value)
{
    if (Store(FAllowAllUp, value))
        NotifyGroup();
}

void TSpeedButton::SetAllowTimer(bool value)
{
    FAllowTimer = value;
    if (value || !FAutoRepeatTimer)
        return;
    // Cleared from the click of a repeat tick, the timer is still running that tick: it stops
    // now and goes once the tick has returned.
    TTimer* timer = std::exchange(FAutoRepeatTimer, nullptr);
    timer->SetEnabled(false);
    timer->Release();
}

void TSpeedButton::SetDropDownMenu(TPopupMenu* value)
{
    if (FDropDownMenu && FDropDownMenu != value)
        RemoveFreeNotification(FDropDownMenu);
    FDropDownMenu = value;
    if (value)
        FreeNotification(value);
    if (FMarkDropDown)
        Invalidate();
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown)
        return;
    // The down button of a group is released by another one going down, unless all may be up.
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    if (value) {
        if (FButtonState == gsUp)
            Invalidate();
        FButtonState = gsExclusive;
    } else
        FButtonState = gsUp;
    Repaint();
    if (value)
        NotifyGroup();
    Invalidate();
}

void TSpeedButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message { CM_GROUPBUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(this), 0 };
    Parent()->Broadcast(message);
}

void TSpeedButton::CMGroupButtonPressed(TMessage& message)
{
    if (message.WParam != WPARAM(FGroupIndex) || !Parent() || !Parent()->HandleAllocated())
        return;
    // The sender is looked up among the siblings, so a stray value is never taken for a button.
    TSpeedButton* sender = nullptr;
    for (int index = 0; index < Parent()->ControlCount() && !sender; ++index) {
        auto* sibling = dynamic_cast<TSpeedButton*>(Parent()->Controls(index));
        if (sibling && reinterpret_cast<LPARAM>(sibling) == message.LParam)
            sender = sibling;
    }
    if (!sender || sender == this)
        return;
    if (sender->FDown && FDown) {
        FDown = false;
        FButtonState = gsUp;
        Repaint();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

// Painting.

void TSpeedButton::Paint()
{
    if (!Enabled()) {
        FButtonState = gsDisabled;
        FTracking = false;
    } else if (FButtonState == gsDisabled)
        FButtonState = FDown && FGroupIndex != 0 ? gsExclusive : gsUp;

    TGlyphState look = FButtonState;
    if (FFlat && !FMouseInside && !(ComponentState() & csDesigning))
        look = gsInactive;

    TRect rect = Rect(0, 0, Width(), Height());
    FPaintBuffer->SetSize(Width(), Height());
    TCanvas* canvas = FPaintBuffer->Canvas();
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetBitmap(nullptr);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
    if (FTransparent)
        DrawParentBackdrop(this, canvas);

    const bool pressed = FButtonState == gsDown || FButtonState == gsExclusive;
    if (look != gsInactive || FButtonState == gsExclusive)
        rect = DrawButtonBorder(canvas, rect, pressed, FFlat, FStyle);
    else if (FFlat)
        InflateRect(rect, -2, -2);

    if (FButtonState == gsExclusive && !FTransparent && (!FFlat || look == gsInactive)) {
        canvas->Brush()->SetBitmap(AllocPatternBitmap(clBtnFace, clBtnHighlight));
        TRect face = rect;
        InflateRect(face, 1, 1);
        canvas->FillRect(face);
        canvas->Brush()->SetBitmap(nullptr);
    }
    if (pressed)
        OffsetRect(rect, 1, 1);

    const TGlyphState contentLook = FButtonState == gsDisabled || !FGrayedInactive ? FButtonState : look;
    PaintContent(canvas, rect, contentLook, FMarkDropDown && FDropDownMenu);
    Canvas()->Draw(0, 0, FPaintBuffer.get());
}

void TSpeedButton::PaintContent(TCanvas* canvas, const TRect& rect, TGlyphState look, bool drawMark)
{
    FGlyphRenderer->Render(canvas, rect, Caption(), FLayout, FMargin, FSpacing, drawMark, look,
        DrawTextBiDiModeFlags(AlignmentFlags[Alignment()]));
}

// The mouse.

bool TSpeedButton::IsInside(int x, int y) const
{
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // A press that arrives while the drop-down menu is open (a nested loop) is not ours.
    if (FMenuShowing)
        return;
    const std::shared_ptr<bool> alive = FAlive;
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!*alive)
        return;
    if (!FMouseInside && Enabled()) {
        FMouseInside = true;
        Repaint();
    }
    if (button != mbLeft || !Enabled())
        return;
    if (!FDown) {
        FButtonState = gsDown;
        Repaint();
    }
    FTracking = true;
    {
        const FlagScope menuShowing(FMenuShowing, alive);
        if (TryDropDownMenu(DropDownMenuPoint(), false)) {
            if (!*alive)
                return;
            FinishPress(button, shift, x, y);
            if (!*alive)
                return;
        }
        // The click that closed the menu on the button itself must not press it again.
        MSG pending;
        if (PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE)
            && (pending.message == WM_LBUTTONDOWN || pending.message == WM_LBUTTONDBLCLK)) {
            const TPoint client = ScreenToClient(pending.pt);
            if (IsInside(client.x, client.y))
                DiscardPendingMessage(nullptr, pending.message);
        }
    }
    if (!FAllowTimer)
        return;
    if (!FAutoRepeatTimer) {
        FAutoRepeatTimer = new TTimer(this);
        FAutoRepeatTimer->SetEnabled(false);
    }
    FAutoRepeatTimer->SetInterval(FInitPause);
    FAutoRepeatTimer->OnTimer = [this](TObject*) { AutoRepeatTick(); };
    FAutoRepeatTimer->SetEnabled(true);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    const std::shared_ptr<bool> alive = FAlive;
    TGraphicControl::MouseMove(shift, x, y);
    if (!*alive || !FTracking)
        return;
    const TGlyphState next = FDown ? gsExclusive : IsInside(x, y) ? gsDown : gsUp;
    if (next == FButtonState)
        return;
    FButtonState = next;
    Repaint();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const std::shared_ptr<bool> alive = FAlive;
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!*alive)
        return;
    FinishPress(button, shift, x, y);
    if (*alive && FAutoRepeatTimer)
        FAutoRepeatTimer->SetEnabled(false);
}

void TSpeedButton::FinishPress(TMouseButton button, TShiftState, int x, int y)
{
    if (FTracking && button == mbLeft) {
        FTracking = false;
        const bool inside = IsInside(x, y);
        if (FGroupIndex == 0) {
            FButtonState = gsUp;
            // Cleared without a leave event: the refresh below finds the cursor over the button
            // and tells of entering again.
            FMouseInside = false;
            if (inside)
                Repaint();
            else
                Invalidate();
        } else if (inside) {
            SetDown(!FDown);
            if (FDown)
                Repaint();
        } else {
            if (FDown)
                FButtonState = gsExclusive;
            Repaint();
        }
        if (inside && !FMenuShowing) {
            const std::shared_ptr<bool> alive = FAlive;
            Click();
            if (!*alive)
                return;
        }
    }
    RefreshMouseInside();
}

void TSpeedButton::AutoRepeatTick()
{
    FAutoRepeatTimer->SetInterval(FRepeatInterval);
    if (FButtonState != gsDown || !MouseCapture())
        return;
    const std::shared_ptr<bool> alive = FAlive;
    try {
        Click();
    } catch (...) {
        if (*alive && FAutoRepeatTimer)
            FAutoRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TSpeedButton::Click()
{
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TGraphicControl::Click();
}

void TSpeedButton::RefreshMouseInside()
{
    const bool wasInside = FMouseInside;
    TPoint cursor;
    GetCursorPos(&cursor);
    FMouseInside = Enabled() && FindDragTarget(cursor, true) == this && OwnsActiveWindow();
    if (FMouseInside == wasInside)
        return;
    if (FMouseInside) {
        if (FFlat)
            Repaint();
        DoMouseEnter();
    } else {
        if (FFlat)
            Invalidate();
        DoMouseLeave();
    }
}

void TSpeedButton::DoMouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TSpeedButton::DoMouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

// The drop-down menu.

TPoint TSpeedButton::DropDownMenuPoint() const
{
    if (!FDropDownMenu)
        return Point(0, 0);
    const int width = Width();
    const int height = Height();
    switch (FMenuPosition) {
    case dmpBottom:
        switch (FDropDownMenu->Alignment()) {
        case paLeft:
            return Point(-1, height);
        case paRight:
            return Point(width + 1, height);
        case paCenter:
            return Point(width / 2, height);
        }
        break;
    case dmpRight:
        switch (FDropDownMenu->Alignment()) {
        case paLeft:
            return Point(width, -1);
        case paRight:
            return Point(-1, -1);
        case paCenter:
            return Point(width / 2, height);
        }
        break;
    }
    return Point(0, 0);
}

bool TSpeedButton::TryDropDownMenu(TPoint point, bool manual)
{
    if (ComponentState() & csDesigning)
        return false;
    if (!FDropDownMenu || !(FDropDownMenu->AutoPopup() || manual))
        return false;
    // Whatever holds the mouse or a mode lets go before the menu takes the input.
    if (TForm* form = GetParentForm(this))
        form->SendCancelMode(nullptr);
    FDropDownMenu->SetPopupComponent(this);
    // The point travels as two signed 16-bit halves, as a mouse position does.
    const TPoint screen = ClientToScreen(PointFromLParam(MAKELPARAM(point.x, point.y)));
    FDropDownMenu->Popup(screen.x, screen.y);
    return true;
}

// Life cycle and links.

void TSpeedButton::PrebuildGlyph()
{
    FGlyphRenderer->BuildStateGlyph(!Enabled() ? gsDisabled : FFlat ? gsInactive : gsUp);
}

void TSpeedButton::Loaded()
{
    TGraphicControl::Loaded();
    if (!FPendingDropDownMenu.empty() && Owner()) {
        auto* menu = dynamic_cast<TPopupMenu*>(Owner()->FindComponent(FPendingDropDownMenu));
        if (!menu)
            throw EReadError("Popup menu " + FPendingDropDownMenu + " of " + Name() + " not found");
        FPendingDropDownMenu.clear();
        SetDropDownMenu(menu);
    }
    if (!FPendingAction.empty() && Owner()) {
        auto* action = dynamic_cast<TBasicAction*>(Owner()->FindComponent(FPendingAction));
        if (!action)
            throw EReadError("Action " + FPendingAction + " of " + Name() + " not found");
        FPendingAction.clear();
        SetAction(action);
    }
    PrebuildGlyph();
}

void TSpeedButton::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FDropDownMenu)
        SetDropDownMenu(nullptr);
}

void TSpeedButton::ActionChange(TObject* sender, bool checkDefaults)
{
    TGraphicControl::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if ((!checkDefaults || !FDown) && FGroupIndex != 0)
        SetDown(action->Checked());
    TCustomActionList* list = action->ActionList();
    if (!Glyph()->Empty() || !list || !list->Images())
        return;
    const int index = action->ImageIndex();
    if (index >= 0 && index < list->Images()->Count())
        CopyActionImage(list->Images(), index);
}

void TSpeedButton::CopyActionImage(TCustomImageList* images, int index)
{
    TBitmap* glyph = Glyph();
    glyph->SetSize(images->Width(), images->Height());
    TCanvas* canvas = glyph->Canvas();
    canvas->Brush()->SetBitmap(nullptr);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(Rect(0, 0, images->Width(), images->Height()));
    images->Draw(canvas, 0, 0, index);
    glyph->SetTransparentColor(clFuchsia);
}

// Messages.

void TSpeedButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(WORD(message.WParam), Caption()) && Enabled()) {
        Click();
        message.Result = 1;
        return;
    }
    Inherited(message);
}

void TSpeedButton::CMEnabledChanged(TMessage& message)
{
    Inherited(message);
    PrebuildGlyph();
    RefreshMouseInside();
    Repaint();
}

void TSpeedButton::CMFontChanged(TMessage&)
{
    Invalidate();
}
void TSpeedButton::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TSpeedButton::CMMouseEnter(TMessage& message)
{
    Inherited(message);
    if (FMouseInside || !Enabled() || !OwnsActiveWindow())
        return;
    FMouseInside = true;
    if (FFlat)
        Repaint();
    DoMouseEnter();
}

void TSpeedButton::CMMouseLeave(TMessage& message)
{
    Inherited(message);
    if (!FMouseInside || !Enabled() || FTracking)
        return;
    FMouseInside = false;
    if (FFlat)
        Invalidate();
    DoMouseLeave();
}

void TSpeedButton::CMSysColorChange(TMessage&)
{
    FGlyphRenderer->ReleaseGlyphs();
    Invalidate();
}

void TSpeedButton::CMVisibleChanged(TMessage& message)
{
    Inherited(message);
    if (Visible())
        RefreshMouseInside();
}

void TSpeedButton::WMLButtonDblClk(TMessage& message)
{
    if (FMenuShowing)
        return;
    const std::shared_ptr<bool> alive = FAlive;
    Inherited(message);
    if (*alive && FDown)
        DblClick();
}

void TSpeedButton::WMRButton(TMessage& message)
{
    const std::shared_ptr<bool> alive = FAlive;
    Inherited(message);
    if (*alive)
        RefreshMouseInside();
}
