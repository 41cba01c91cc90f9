// SPDX-License-Identifier: MIT
// The screen: its size, the forms on it and the table of cursors by number.
#pragma once

#include "platform/vcl/controls/Control.h"

#include <map>
#include <vector>

class TForm;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    const char* ClassName() const override { return "TScreen"; }

    // The cursor of a number: the standard crXXX shapes are there from the start, and a
    // program adds its own under numbers of its choice. An unknown number gives the
    // default cursor; storing nullptr removes a number of the program's.
    HCURSOR Cursors(TCursor index) const;
    void SetCursors(TCursor index, HCURSOR handle);
    // A cursor shown over every window of the program, crDefault to let controls choose.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    // The screen without its panels and docks: where windows should lie.
    TRect WorkAreaRect() const;

    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(std::size_t(index)); }
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    std::map<TCursor, HCURSOR> FCursors;
    HCURSOR FDefaultCursor = nullptr;
    TCursor FCursor = crDefault;
    std::vector<TForm*> FForms;
};

// The one screen object, made before main runs.
extern TScreen* Screen;
