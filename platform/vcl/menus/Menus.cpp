// SPDX-License-Identifier: MIT
#include "platform/vcl/menus/Menus.h"

#include "platform/vcl/dialogs/DialogService.h"

#include <algorithm>

TShortCut ShortCut(WORD key, TShiftState shift)
{
    TShortCut result = TShortCut(key & 0xFF);
    if (shift & ssShift)
        result |= scShift;
    if (shift & ssCtrl)
        result |= scCtrl;
    if (shift & ssAlt)
        result |= scAlt;
    return result;
}

bool IsAccel(WORD key, const AnsiString& caption)
{
    for (std::size_t index = 0; index + 1 < caption.size(); ++index) {
        if (caption[index] != '&')
            continue;
        const char next = caption[index + 1];
        if (next == '&') {
            ++index;
            continue;
        }
        return UpCase(next) == UpCase(char(key & 0xFF));
    }
    return false;
}

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
{
}

TMenuItem::~TMenuItem()
{
    Destroying();
    if (FParent)
        FParent->Remove(this);
    while (!FItems.empty())
        delete FItems.back();
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    if (item->FParent)
        throw EInvalidOperation("Menu inserted twice");
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    if (found == FItems.end())
        return;
    FItems.erase(found);
    item->FParent = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : int(found - FItems.begin());
}

void TMenuItem::Click()
{
    if (FEnabled && OnClick)
        OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (FParent)
        FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

TMenu::TMenu(TComponent* owner)
    : TComponent(owner)
    , FItems(new TMenuItem(nullptr))
{
}

TMenu::~TMenu()
{
    Destroying();
    delete FItems;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TMenu(owner)
{
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    if (value == FPopupComponent)
        return;
    if (FPopupComponent)
        RemoveFreeNotification(FPopupComponent);
    FPopupComponent = value;
    if (value)
        FreeNotification(value);
}

void TPopupMenu::Popup(int x, int y)
{
    const TGuardedPtr<TPopupMenu> self(this);
    if (OnPopup)
        OnPopup(this);
    if (!self)
        return;
    std::vector<TMenuItem*> shown;
    std::vector<PopupMenuItem> entries;
    for (int index = 0; index < Items()->Count(); ++index) {
        TMenuItem* item = Items()->Items(index);
        if (!item->Visible())
            continue;
        shown.push_back(item);
        entries.push_back({ item->Caption(), item->Enabled(), item->Checked() });
    }
    static constexpr PopupAlignment kAlignments[]
        = { PopupAlignment::Left, PopupAlignment::Right, PopupAlignment::Center };
    const int chosen = TDialogService::Instance().PopupMenu(entries, { x, y }, kAlignments[FAlignment]);
    if (!self || chosen < 0 || chosen >= int(shown.size()))
        return;
    // Our queue is served while the menu is open; an item freed meanwhile is not clicked.
    TMenuItem* item = shown[std::size_t(chosen)];
    if (Items()->IndexOf(item) >= 0 && item->Caption() != "-")
        item->Click();
}
