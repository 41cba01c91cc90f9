// SPDX-License-Identifier: MIT
// The speed button itself: its properties, its life cycle and links, and the component
// notifications that change its look.
#include "widgets/SpeedButton.h"

#include "platform/vcl/menus/ActnList.h"

#include <algorithm>
#include <memory>
#include <utility>

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
    value = std::min(value, kGlyphStateCount);
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
    if (!Store(FGroupIndex, value))
        return;
    // An ungrouped button is never down, so one that leaves its group comes up.
    if (value == 0 && FDown) {
        FDown = false;
        if (FButtonState == gsExclusive)
            FButtonState = gsUp;
        Invalidate();
    }
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

// Life cycle and links.

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

void TSpeedButton::CMEnabledChanged(TMessage& message)
{
    Inherited(message);
    PrebuildGlyph();
    // The enter and leave handlers may free the button.
    const TGuardedPtr<TSpeedButton> self(this);
    RefreshMouseInside();
    if (self)
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
