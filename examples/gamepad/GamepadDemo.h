#pragma once

#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Texture.h"

#include <array>
#include <string>
#include <vector>

#include <SDL.h>

// A marker in an arena driven by a gamepad in the standard layout: the left stick or the
// d-pad moves it, A held makes it grow. Beside it, the pad: its sticks, triggers and buttons
// as they are held. Pads may come and go while it runs; the latest one plugged in drives.
// Below, a name typed on the keyboard in any language (UTF-8 text input), shown as its
// characters, with U+ codes for those beyond ASCII; Enter saves it to the player's data folder
// and the next start reads it back, Backspace erases a character. Reads assets/Baloo.ttf.
class GamepadDemo {
public:
    explicit GamepadDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}
    void OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}
    void OnTextInput(const SDL_TextInputEvent& e);
    void OnGamepadAdded(const SDL_ControllerDeviceEvent& e);
    void OnGamepadRemoved(const SDL_ControllerDeviceEvent& e);
    void OnGamepadButtonDown(const SDL_ControllerButtonEvent& e);
    void OnGamepadButtonUp(const SDL_ControllerButtonEvent& e);
    void OnGamepadAxis(const SDL_ControllerAxisEvent& e);
    void Update(float elapsedSec);
    void Draw() const;

private:
    // How far a stick or trigger is pushed, -1 to 1 (triggers 0 to 1), with a dead zone.
    float Axis(SDL_GameControllerAxis axis) const;
    bool Held(SDL_GameControllerButton button) const;
    void DrawPad() const;
    void SaveName();
    // Renders the texts that change; once per change, not per frame.
    void ShowPad(const std::string& status);
    void ShowName();

    float windowWidth;
    float windowHeight;
    tatami2d::Pos2f marker;
    std::vector<SDL_JoystickID> pads; // in the order plugged in; the last one drives
    std::array<bool, SDL_CONTROLLER_BUTTON_MAX> buttons;
    std::array<Sint16, SDL_CONTROLLER_AXIS_MAX> axes;
    std::string name; // UTF-8
    std::string nameFile;
    tatami2d::Texture padStatus;
    tatami2d::Texture nameText;
    tatami2d::Texture nameStatus;
    std::vector<std::pair<tatami2d::Texture, tatami2d::Pos2f>> labels;
};
