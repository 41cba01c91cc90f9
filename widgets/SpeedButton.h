// SPDX-License-Identifier: MIT
// A windowless push button showing a glyph and a caption: a plain button, a toggle that
// latches down, or one of a group of which at most one is down. It can repeat its click while
// held, open a drop-down menu when pressed, lie flat until the mouse is over it, and be drawn
// over its parent's background. Each paint is drawn off-screen and copied in one blit.
#pragma once

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/forms/Timer.h"
#include "platform/vcl/menus/Menus.h"
#include "widgets/ButtonBorder.h"
#include "widgets/ButtonGlyph.h"

#include <memory>

enum TDropDownMenuPos : std::uint8_t { dmpBottom, dmpRight };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;
    const char* ClassName() const override { return "TSpeedButton"; }

    TAlignment Alignment() const { return FGlyphRenderer->Alignment(); } // taCenter
    void SetAlignment(TAlignment value);
    // In a group, the down button may be released so that none is down; the group's other
    // buttons take the same setting.
    bool AllowAllUp() const { return FAllowAllUp; } // false
    void SetAllowAllUp(bool value);
    // The click repeats while the button is held: first after InitPause, then every
    // RepeatInterval milliseconds.
    bool AllowTimer() const { return FAllowTimer; } // false
    void SetAllowTimer(bool value);
    // 0: not grouped; buttons of one parent with the same other value form a group.
    int GroupIndex() const { return FGroupIndex; } // 0
    void SetGroupIndex(int value);
    // Latched down; always false while not grouped.
    bool Down() const { return FDown; } // false
    void SetDown(bool value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; } // none
    void SetDropDownMenu(TPopupMenu* value);
    TDropDownMenuPos MenuPosition() const { return FMenuPosition; } // dmpBottom
    void SetMenuPosition(TDropDownMenuPos value) { FMenuPosition = value; }
    // No border until the mouse is over the button.
    bool Flat() const { return FFlat; } // false
    void SetFlat(bool value);
    // A strip of one to five images: up, disabled, down, latched, inactive.
    TBitmap* Glyph() const { return FGlyphRenderer->SourceGlyph(); }
    void SetGlyph(TBitmap* value);
    // A flat button not under the mouse shows the grey glyph.
    bool GrayedInactive() const { return FGrayedInactive; } // true
    void SetGrayedInactive(bool value);
    unsigned InitPause() const { return FInitPause; } // 500 ms
    void SetInitPause(unsigned value) { FInitPause = std::uint16_t(value); }
    TButtonLayout Layout() const { return FLayout; } // blGlyphTop
    void SetLayout(TButtonLayout value);
    // Pixels from the edge to the glyph; -1 centres glyph and caption together.
    int Margin() const { return FMargin; } // -1
    void SetMargin(int value);
    // Draw the drop-down arrow while a drop-down menu is set.
    bool MarkDropDown() const { return FMarkDropDown; } // true
    void SetMarkDropDown(bool value);
    // Handed to the parent form on every click.
    int ModalResult() const { return FModalResult; } // 0
    void SetModalResult(int value) { FModalResult = value; }
    int NumGlyphs() const { return FGlyphRenderer->NumGlyphs(); } // 1
    void SetNumGlyphs(int value);
    unsigned RepeatInterval() const { return FRepeatInterval; } // 100 ms
    void SetRepeatInterval(unsigned value) { FRepeatInterval = std::uint16_t(value); }
    // Pixels between glyph and caption; -1 centres the caption in the space after the glyph.
    int Spacing() const { return FSpacing; } // 1
    void SetSpacing(int value);
    TButtonStyle Style() const { return FStyle; } // bsAutoDetect
    void SetStyle(TButtonStyle value);
    // Paint the parent's background first.
    bool Transparent() const { return FTransparent; } // false
    void SetTransparent(bool value);
    bool WordWrap() const { return FGlyphRenderer->WordWrap(); } // false
    void SetWordWrap(bool value);

    TGlyphState ButtonState() const { return FButtonState; }
    bool MouseInside() const { return FMouseInside; }
    bool Tracking() const { return FTracking; }
    TButtonGlyph* GlyphRenderer() const { return FGlyphRenderer.get(); }
    TBitmap* PaintBuffer() const { return FPaintBuffer.get(); }
    // The repeat timer, made on the first press with AllowTimer; none before.
    TTimer* AutoRepeatTimer() const { return FAutoRepeatTimer; }

    // Where the drop-down menu opens, in client coordinates; (0, 0) without a menu.
    TPoint DropDownMenuPoint() const;
    // Opens the drop-down menu at a client point when it pops up by itself or manual is set;
    // returns once it has closed, true when it was opened.
    bool TryDropDownMenu(TPoint point, bool manual);
    // Looks whether the cursor is over the button now and tells of entering or leaving.
    void RefreshMouseInside();

    void Click() override;
    void Loaded() override;
    void ActionChange(TObject* sender, bool checkDefaults) override;
    // For the form reader: a reference to a component read later is resolved in Loaded.
    void SetDropDownMenuName(const AnsiString& name) { FPendingDropDownMenu = name; }
    void SetActionName(const AnsiString& name) { FPendingAction = name; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void Paint() override;
    // Draws glyph, caption and mark inside rect; rect is already pressed in when down.
    virtual void PaintContent(TCanvas* canvas, const TRect& rect, TGlyphState look, bool drawMark);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    void Notification(TComponent* component, TOperation operation) override;

    void CMGroupButtonPressed(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMSysColorChange(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMRButton(TMessage& message);

private:
    // The row y = ClientHeight counts as inside, the column x = ClientWidth does not.
    bool IsInside(int x, int y) const;
    void FinishPress(TMouseButton button, TShiftState shift, int x, int y);
    void AutoRepeatTick();
    void NotifyGroup();
    void CopyActionImage(TCustomImageList* images, int index);
    // The glyph of the look the button has now, built ahead of its first paint.
    void PrebuildGlyph();
    // What the base classes do with the message.
    void Inherited(TMessage& message);

    int FGroupIndex = 0;
    TButtonStyle FStyle = bsAutoDetect;
    std::unique_ptr<TButtonGlyph> FGlyphRenderer;
    std::unique_ptr<TBitmap> FPaintBuffer;
    bool FDown = false;
    bool FTracking = false;
    bool FFlat = false;
    bool FMouseInside = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphTop;
    int FSpacing = 1;
    int FMargin = -1;
    int FModalResult = 0;
    bool FTransparent = false;
    bool FMarkDropDown = true;
    TPopupMenu* FDropDownMenu = nullptr;
    TDropDownMenuPos FMenuPosition = dmpBottom;
    bool FGrayedInactive = true;
    bool FMenuShowing = false;
    TTimer* FAutoRepeatTimer = nullptr; // owned
    bool FAllowTimer = false;
    std::uint16_t FInitPause = 500;
    std::uint16_t FRepeatInterval = 100;
    TGlyphState FButtonState = gsUp;
    AnsiString FPendingDropDownMenu;
    AnsiString FPendingAction;
};

// Makes TSpeedButton known to the form reader with its published properties.
void RegisterSpeedCtrls();
