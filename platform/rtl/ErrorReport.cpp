// SPDX-License-Identifier: MIT
#include "platform/rtl/ErrorReport.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {

TErrorReport& InstalledReport()
{
    static TErrorReport report;
    return report;
}

void WriteToStandardError(const std::exception& error) noexcept
{
    std::fprintf(stderr, "%s\n", error.what());
}

} // namespace

void SetErrorReport(TErrorReport report) { InstalledReport() = std::move(report); }

void ReportError(const std::exception& error) noexcept
{
    const TErrorReport& report = InstalledReport();
    if (!report) {
        WriteToStandardError(error);
        return;
    }
    try {
        report(error);
    } catch (const std::exception& reportError) {
        WriteToStandardError(error);
        WriteToStandardError(reportError);
    } catch (...) {
        WriteToStandardError(error);
    }
}

void ReportCurrentError() noexcept
{
    try {
        throw;
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(std::runtime_error("An error of unknown kind was raised"));
    }
}
