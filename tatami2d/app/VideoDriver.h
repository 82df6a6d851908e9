#pragma once

namespace tatami2d {

/// \file
/// The start-up check against video drivers that show nothing.

/// True when `driver` (SDL's current video driver, null when none) shows nothing and was
/// not asked for. With no display to reach, SDL falls back to such a driver (offscreen,
/// dummy, evdev), and the game would run where nobody sees it. Such a driver is a fault
/// unless SDL's SDL_VIDEODRIVER hint named it: requestedDrivers is that hint (null when
/// unset), a comma-separated list of names matched without regard to case, as SDL matches
/// them.
bool IsUnseenFallbackDriver(const char* driver, const char* requestedDrivers);

} // namespace tatami2d
