// SPDX-License-Identifier: MIT
// The main window's stored layout, applied to a new window.
#pragma once

class TForm;

// Creates the window's controls and dialogs with their stored properties and binds their
// events to the window's handlers by name.
void LoadMainFormLayout(TForm* form);
