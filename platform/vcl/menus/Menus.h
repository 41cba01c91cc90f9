// SPDX-License-Identifier: MIT
// Popup menus of captioned items, shown by the host (or answered by the dialog service) at a
// point of the screen, and the keyboard shortcuts and accelerators of captions.
#pragma once

#include "platform/vcl/controls/Control.h"

#include <vector>

// Key code in the low byte; 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);

// True when key is the character after the accelerator "&" of caption, in either case
// ("&&" stands for an ampersand and marks nothing).
bool IsAccel(WORD key, const AnsiString& caption);

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override; // frees its own items
    const char* ClassName() const override { return "TMenuItem"; }

    AnsiString Caption() const { return FCaption; } // "-" draws a separator
    void SetCaption(const AnsiString& value) { FCaption = value; }
    bool Enabled() const { return FEnabled; } // true
    void SetEnabled(bool value) { FEnabled = value; }
    bool Checked() const { return FChecked; } // false
    void SetChecked(bool value) { FChecked = value; }
    bool Visible() const { return FVisible; } // true
    void SetVisible(bool value) { FVisible = value; }
    TShortCut ShortCut() const { return FShortCut; } // 0
    void SetShortCut(TShortCut value) { FShortCut = value; }

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)); }
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;

    // Fires OnClick when the item is enabled.
    virtual void Click();
    TNotifyEvent OnClick;

    void SetParentComponent(TComponent* parent) override;
    bool HasParent() const override { return true; }

private:
    AnsiString FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FVisible = true;
    TShortCut FShortCut = 0;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    const char* ClassName() const override { return "TMenu"; }

    // The top-level items; owned by the menu.
    TMenuItem* Items() const { return FItems; }

private:
    TMenuItem* FItems;
};

// Which point of the menu's top edge lies at the point it opens at.
enum TPopupAlignment : std::uint8_t { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    const char* ClassName() const override { return "TPopupMenu"; }

    TPopupAlignment Alignment() const { return FAlignment; } // paLeft
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    // Whether the controls it belongs to open it themselves when clicked.
    bool AutoPopup() const { return FAutoPopup; } // true
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The component that opened the menu last, recorded by it before Popup.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);

    // Shows the visible items at a point of the screen and returns when the menu has closed,
    // after the chosen item's Click.
    virtual void Popup(int x, int y);
    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
};
