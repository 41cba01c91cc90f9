// SPDX-License-Identifier: MIT
// Freeing a component once control is back in the message queue, so a handler may retire the
// component that runs it (a timer from its own tick, a form from its own button) and the
// code that called the handler returns through a component that is still whole.
#pragma once

class TComponent;

// Frees component when the message posted now is dispatched. A component freed meanwhile,
// by its owner or directly, is skipped; releasing one twice frees it once.
void ReleaseComponentLater(TComponent* component);
