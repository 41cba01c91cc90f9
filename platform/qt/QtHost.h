// SPDX-License-Identifier: MIT
// Starts the Qt host and installs it as the platform's host for as long as the session
// lives: top-level windows and native controls, the event loop, timers, the font engine,
// the system colours of the desktop palette, clipboard, popup menus, dialogs and settings
// files. The one header of platform/qt that others include, so it names no Qt type.
#pragma once

#include <memory>

class QtHost;

class QtHostSession {
public:
    // Qt keeps a reference to argc, so it must outlive the session. When a Qt application
    // object already exists it is used as it is.
    QtHostSession(int& argc, char** argv);
    ~QtHostSession();
    QtHostSession(const QtHostSession&) = delete;
    QtHostSession& operator=(const QtHostSession&) = delete;

private:
    std::unique_ptr<QtHost> FHost;
};
