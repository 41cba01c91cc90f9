// SPDX-License-Identifier: MIT
// The roots of the class tree and the event type every component uses.
#pragma once

#include <functional>

class TObject {
public:
    virtual ~TObject() = default;
};

// Events are plain callbacks taking the sender, fired only when assigned.
using TNotifyEvent = std::function<void(TObject* sender)>;

class TPersistent : public TObject {
public:
    // Copies the state of source into this object; unsupported sources raise EConvertError.
    virtual void Assign(const TPersistent* source);

protected:
    // Called when a source does not know how to copy itself into us.
    virtual void AssignTo(TPersistent* dest) const;
};
