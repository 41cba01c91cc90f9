// SPDX-License-Identifier: MIT
// One value chosen by a group of speed buttons, one button a value: the button that is down
// is the choice. A new value is one more button in the group and one more Add.
#pragma once

#include "widgets/SpeedButton.h"

#include <utility>
#include <vector>

template <class Value> class TButtonChoice {
public:
    void Add(TSpeedButton* button, Value value) { FOptions.emplace_back(button, value); }

    // The value of the button that is down; the first value while none is.
    Value Chosen() const
    {
        for (const auto& [button, value] : FOptions)
            if (button->Down())
                return value;
        return FOptions.front().second;
    }

    void Choose(Value chosen)
    {
        for (const auto& [button, value] : FOptions)
            if (value == chosen)
                button->SetDown(true);
    }

private:
    std::vector<std::pair<TSpeedButton*, Value>> FOptions;
};
