#include "tatami2d/app/Gamepads.h"

#include "tatami2d/app/LogOutput.h"

#include <algorithm>

namespace tatami2d {

namespace {

SDL_JoystickID InstanceOf(SDL_GameController* pad) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

void ReportFailure(const char* message) {
    WriteLog({message, SDL_GetError(), "\n"});
}

} // namespace

Gamepads::Gamepads() : started{SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0} {
    if (!started) {
        ReportFailure("Core::Run( ), error when calling SDL_InitSubSystem: ");
    }
}

Gamepads::~Gamepads() {
    for (SDL_GameController* pad : pads) {
        SDL_GameControllerClose(pad);
    }
    if (started) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

bool Gamepads::Follow(SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        return Open(event.cdevice);
    }
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        return Close(event.cdevice);
    }
    return true;
}

bool Gamepads::Open(SDL_ControllerDeviceEvent& arrival) {
    SDL_GameController* pad = SDL_GameControllerOpen(arrival.which);
    if (pad == nullptr) {
        ReportFailure("Core::Run( ), error when calling SDL_GameControllerOpen: ");
        return false;
    }
    if (std::find(pads.begin(), pads.end(), pad) != pads.end()) {
        // SDL counts the opens of a pad: this one's is given back at once.
        SDL_GameControllerClose(pad);
        return false;
    }
    pads.push_back(pad);
    arrival.which = InstanceOf(pad);
    return true;
}

bool Gamepads::Close(const SDL_ControllerDeviceEvent& removal) {
    const auto pad = std::find_if(pads.begin(), pads.end(), [&removal](SDL_GameController* p) {
        return InstanceOf(p) == removal.which;
    });
    if (pad == pads.end()) {
        return false;
    }
    SDL_GameControllerClose(*pad);
    pads.erase(pad);
    return true;
}

} // namespace tatami2d
