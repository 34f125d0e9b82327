#pragma once
// Frame pacing through WGL_EXT_swap_control, where the driver offers it.

// Asks for `interval` vertical refreshes per buffer swap on the current context. Returns
// whether the driver took the request; without the extension nothing changes.
bool requestSwapInterval(int interval);
