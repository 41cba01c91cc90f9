// SPDX-License-Identifier: MIT
#include "platform/win32/windows/Host.h"

namespace {
Host*& InstalledHost()
{
    static Host* host = nullptr;
    return host;
}

} // namespace

Host* CurrentHost() { return InstalledHost(); }
void InstallHost(Host* host) { InstalledHost() = host; }
