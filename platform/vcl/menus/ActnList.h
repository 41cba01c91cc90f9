// SPDX-License-Identifier: MIT
// Actions: a command with a caption, a state and an image that several controls can show
// and run; their lists hold the image list the images come from.
#pragma once

#include "platform/vcl/components/Component.h"
#include "platform/vcl/graphics/ImgList.h"
#include "platform/vcl/menus/Menus.h"

#include <vector>

class TControl;
class TCustomActionList;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;
    const char* ClassName() const override { return "TBasicAction"; }

    // Fires OnExecute; false when there was nothing to run.
    virtual bool Execute();
    TNotifyEvent OnExecute;

    // The controls showing the action hear of each change through their ActionChange.
    void RegisterChanges(TControl* client);
    void UnRegisterChanges(TControl* client);
    int ClientCount() const { return int(FClients.size()); }

protected:
    void Change();

private:
    std::vector<TControl*> FClients;
};

class TContainedAction : public TBasicAction {
public:
    explicit TContainedAction(TComponent* owner);
    ~TContainedAction() override;
    const char* ClassName() const override { return "TContainedAction"; }

    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* value);
    int Index() const;

    void SetParentComponent(TComponent* parent) override;
    bool HasParent() const override { return true; }

private:
    friend class TCustomActionList;
    TCustomActionList* FActionList = nullptr;
};

class TCustomAction : public TContainedAction {
public:
    explicit TCustomAction(TComponent* owner);
    const char* ClassName() const override { return "TCustomAction"; }

    AnsiString Caption() const { return FCaption; }
    void SetCaption(const AnsiString& value);
    // The on/off state; a grouped speed button showing the action is down while it is set.
    bool Checked() const { return FChecked; } // false
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; } // true
    void SetEnabled(bool value);
    AnsiString Hint() const { return FHint; }
    void SetHint(const AnsiString& value);
    // Index into the action list's image list; -1 for none.
    int ImageIndex() const { return FImageIndex; } // -1
    void SetImageIndex(int value);
    bool Visible() const { return FVisible; } // true
    void SetVisible(bool value);
    TShortCut ShortCut() const { return FShortCut; } // 0
    void SetShortCut(TShortCut value);

    // Runs only while enabled.
    bool Execute() override;

private:
    AnsiString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    AnsiString FHint;
    int FImageIndex = -1;
    bool FVisible = true;
    TShortCut FShortCut = 0;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
    const char* ClassName() const override { return "TAction"; }
};

class TCustomActionList : public TComponent {
public:
    explicit TCustomActionList(TComponent* owner);
    ~TCustomActionList() override;
    const char* ClassName() const override { return "TCustomActionList"; }

    // Not owned; forgotten when it is freed.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ActionCount() const { return int(FActions.size()); }
    TContainedAction* Actions(int index) const { return FActions.at(std::size_t(index)); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TContainedAction;
    TCustomImageList* FImages = nullptr;
    std::vector<TContainedAction*> FActions;
};

class TActionList : public TCustomActionList {
public:
    using TCustomActionList::TCustomActionList;
    const char* ClassName() const override { return "TActionList"; }
};
