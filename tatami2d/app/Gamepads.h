#pragma once

#include <vector>

#include <SDL.h>

namespace tatami2d {

/// \file
/// The gamepads a game hears from, opened as they arrive.

/// Brings up SDL's game-controller subsystem for as long as it lives, and opens each pad
/// that arrives (pads plugged in at the start arrive too) so that its buttons and sticks
/// send events; closes it when it leaves.
class Gamepads {
public:
    Gamepads();
    /// Closes the pads still open and takes the subsystem down again.
    ~Gamepads();

    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    /// Opens or closes the pad that a device event announces, and rewrites an arrival's
    /// which from SDL's device index to the pad's instance id, the id its other events carry.
    /// False when the game must not hear of the event: a pad that could not be opened
    /// (reported), a second arrival of an open pad, or the removal of one never opened.
    /// Other events pass unchanged.
    bool Follow(SDL_Event& event);

private:
    bool Open(SDL_ControllerDeviceEvent& arrival);
    bool Close(const SDL_ControllerDeviceEvent& removal);

    bool started;
    std::vector<SDL_GameController*> pads;
};

} // namespace tatami2d
