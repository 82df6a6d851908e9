#pragma once

// With no display to reach, SDL falls back to a video driver that shows nothing (offscreen,
// dummy), and the game would run where nobody sees it. Such a driver is a fault unless
// SDL's SDL_VIDEODRIVER hint named it: requestedDrivers is that hint (null when unset), a
// comma-separated list of names matched without regard to case, as SDL matches them.
bool IsUnseenFallbackDriver(const char* driver, const char* requestedDrivers);
