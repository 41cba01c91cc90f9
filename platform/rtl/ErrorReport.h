// SPDX-License-Identifier: MIT
// Where an error goes that has no caller left to raise it to: one caught at a host's event
// entry (a timer, a message pumped under a modal dialog), or one raised by a clean-up step
// that runs in a destructor, where raising would end the program. The application object
// sets its default report here; without one the error is written to standard error, so it is
// never lost without a word.
#pragma once

#include <exception>
#include <functional>

using TErrorReport = std::function<void(const std::exception& error)>;
void SetErrorReport(TErrorReport report);
// Never raises: a report that fails itself falls back to standard error.
void ReportError(const std::exception& error) noexcept;
// The same for whatever is being handled in a catch block, std::exception or not.
void ReportCurrentError() noexcept;
