// SPDX-License-Identifier: MIT
// The published properties and events of forms and of the file dialogs, for the form
// reader. Run by RegisterStandardClasses.
#pragma once

void RegisterFormClasses();
