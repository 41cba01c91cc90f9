// SPDX-License-Identifier: MIT
#include "platform/win32/windows/Host.h"

#include <utility>

namespace {
Host*& InstalledHost()
{
    static Host* host = nullptr;
    return host;
}

HostErrorReport& InstalledErrorReport()
{
    static HostErrorReport report;
    return report;
}
} // namespace

Host* CurrentHost() { return InstalledHost(); }
void InstallHost(Host* host) { InstalledHost() = host; }

void SetHostErrorReport(HostErrorReport report) { InstalledErrorReport() = std::move(report); }

void ReportHostError(const std::exception& error)
{
    if (const auto& report = InstalledErrorReport())
        report(error);
}
