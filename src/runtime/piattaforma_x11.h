// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/piattaforma.h"

#include <memory>
#include <optional>

namespace piattaforma {

// The desktop spoken to in X11's own terms; nullptr when the application is not on X11.
std::unique_ptr<Desktop> desktopX11();
// The frame the window manager puts around a titled window, in device pixels, asked of it
// now with a window made for the question; nothing off X11 or where it does not tell.
std::optional<QMargins> corniceX11();

} // namespace piattaforma
