#pragma once

#include "runtime/piattaforma.h"

#include <memory>

namespace piattaforma {

// The desktop spoken to in X11's own terms; nullptr when the application is not on X11.
std::unique_ptr<Desktop> desktopX11();

} // namespace piattaforma
