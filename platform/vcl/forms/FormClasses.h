// SPDX-License-Identifier: MIT
// The published properties and events of forms, timers and the file dialogs, for the form
// reader. Run by RegisterStandardClasses, which lives beside it at the top of the toolkit.
#pragma once

void RegisterFormClasses();
