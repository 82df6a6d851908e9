#include "GamepadDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/render/Drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Pos2f;
using tatami2d::Texture;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

constexpr std::size_t kMaxNameLength = 16; // characters
constexpr float kDeadZone = 0.2f;
constexpr float kSpeed = 260.0f; // pixels a second at full tilt
const Box2f kArena{24.0f, 150.0f, 360.0f, 240.0f};
const Box2f kPanel{408.0f, 150.0f, 208.0f, 240.0f};
const Pos2f kLeftStick{462.0f, 300.0f};
const Pos2f kRightStick{540.0f, 215.0f};
const Pos2f kDpad{462.0f, 215.0f};
const Pos2f kFaceButtons{562.0f, 300.0f};
constexpr float kStickRadius = 24.0f;

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kPanelColor{0.17f, 0.18f, 0.21f, 1.0f};
const ColorRGBA kLine{0.35f, 0.37f, 0.42f, 1.0f};
const ColorRGBA kLit{0.98f, 0.87f, 0.35f, 1.0f};
const ColorRGBA kText{0.85f, 0.87f, 0.90f, 1.0f};
const ColorRGBA kDim{0.60f, 0.63f, 0.68f, 1.0f};
const ColorRGBA kFaceColors[]{{0.40f, 0.80f, 0.40f, 1.0f},  // A
                              {0.90f, 0.35f, 0.35f, 1.0f},  // B
                              {0.35f, 0.55f, 0.95f, 1.0f},  // X
                              {0.95f, 0.85f, 0.30f, 1.0f}}; // Y

std::string Font() {
    return tatami2d::FindFile("assets/Baloo.ttf");
}

// A UTF-8 continuation byte: the rest of a character begun earlier.
bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::size_t CountCharacters(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return !IsContinuation(byte); }));
}

// The text as ASCII: its characters up to U+007E as they are, the others as [U+XXXX].
std::string ShowCodePoints(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned int code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        }
        if (code >= 0x20 && code < 0x7F) {
            shown += static_cast<char>(code);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "[U+%04X]", code);
            shown += escaped;
        }
        i += static_cast<std::size_t>(length);
    }
    return shown;
}

} // namespace

GamepadDemo::GamepadDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height},
      marker{kArena.left + kArena.width / 2.0f, kArena.bottom + kArena.height / 2.0f}, buttons{},
      axes{}, nameFile{tatami2d::UserDataFolder("Tatami2D", "gamepad-example")},
      padStatus{" ", Font(), 16, kDim}, nameText{" ", Font(), 22, kText}, // until told otherwise
      nameStatus{" ", Font(), 15, kDim} {
    const struct {
        const char* text;
        int size;
        Pos2f bottomLeft;
    } texts[]{
        {"Gamepads and typed text", 28, {24.0f, 430.0f}},
        {"Left stick or d-pad moves the marker; hold A to grow it", 15, {24.0f, 118.0f}},
        {"Name:", 22, {24.0f, 66.0f}},
        {"Type a name in any language; Enter saves it, Backspace erases", 15, {24.0f, 24.0f}}};
    for (const auto& text : texts) {
        labels.emplace_back(Texture{text.text, Font(), text.size, kText}, text.bottomLeft);
    }
    if (!nameFile.empty()) {
        nameFile += "name.txt";
        std::getline(std::ifstream{nameFile}, name);
    }
    ShowPad("No pad: plug one in");
    ShowName();
}

void GamepadDemo::OnKeyDown(const SDL_KeyboardEvent& e) {
    if (e.keysym.sym == SDLK_BACKSPACE && !name.empty()) {
        while (IsContinuation(name.back())) {
            name.pop_back();
        }
        name.pop_back();
        ShowName();
    } else if (e.keysym.sym == SDLK_RETURN) {
        SaveName();
    }
}

void GamepadDemo::OnTextInput(const SDL_TextInputEvent& e) {
    const std::string typed{e.text};
    if (CountCharacters(name) + CountCharacters(typed) <= kMaxNameLength) {
        name += typed;
        ShowName();
    }
}

void GamepadDemo::OnGamepadAdded(const SDL_ControllerDeviceEvent& e) {
    pads.push_back(e.which);
    buttons.fill(false);
    axes.fill(0);
    const char* padName = SDL_GameControllerName(SDL_GameControllerFromInstanceID(e.which));
    ShowPad(std::string{"Pad: "} + (padName != nullptr ? padName : "unnamed"));
}

void GamepadDemo::OnGamepadRemoved(const SDL_ControllerDeviceEvent& e) {
    pads.erase(std::remove(pads.begin(), pads.end(), e.which), pads.end());
    ShowPad(pads.empty() ? "No pad: plug one in" : "Pad removed; the one before drives");
}

void GamepadDemo::OnGamepadButtonDown(const SDL_ControllerButtonEvent& e) {
    if (!pads.empty() && e.which == pads.back()) {
        buttons[e.button] = true;
    }
}

void GamepadDemo::OnGamepadButtonUp(const SDL_ControllerButtonEvent& e) {
    if (!pads.empty() && e.which == pads.back()) {
        buttons[e.button] = false;
    }
}

void GamepadDemo::OnGamepadAxis(const SDL_ControllerAxisEvent& e) {
    if (!pads.empty() && e.which == pads.back()) {
        axes[e.axis] = e.value;
    }
}

float GamepadDemo::Axis(SDL_GameControllerAxis axis) const {
    const float value = std::max(static_cast<float>(axes[axis]) / 32767.0f, -1.0f);
    return std::abs(value) < kDeadZone ? 0.0f : value;
}

bool GamepadDemo::Held(SDL_GameControllerButton button) const {
    return buttons[button];
}

void GamepadDemo::Update(float elapsedSec) {
    // Sticks count y downwards; the world, upwards.
    float x = Axis(SDL_CONTROLLER_AXIS_LEFTX);
    float y = -Axis(SDL_CONTROLLER_AXIS_LEFTY);
    x += static_cast<float>(Held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) -
                            Held(SDL_CONTROLLER_BUTTON_DPAD_LEFT));
    y += static_cast<float>(Held(SDL_CONTROLLER_BUTTON_DPAD_UP) -
                            Held(SDL_CONTROLLER_BUTTON_DPAD_DOWN));
    marker.x = std::clamp(marker.x + std::clamp(x, -1.0f, 1.0f) * kSpeed * elapsedSec, kArena.left,
                          kArena.left + kArena.width);
    marker.y = std::clamp(marker.y + std::clamp(y, -1.0f, 1.0f) * kSpeed * elapsedSec,
                          kArena.bottom, kArena.bottom + kArena.height);
}

void GamepadDemo::SaveName() {
    std::ofstream file{nameFile};
    file << name << '\n';
    nameStatus = Texture{file ? "Saved for the next start" : "Could not save", Font(), 15, kDim};
}

void GamepadDemo::ShowPad(const std::string& status) {
    padStatus = Texture{status, Font(), 16, kDim};
}

void GamepadDemo::ShowName() {
    nameText = Texture{name.empty() ? " " : ShowCodePoints(name), Font(), 22, kText};
}

void GamepadDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);
    util2d::SetColor(kPanelColor);
    util2d::FillRect(kArena);
    util2d::FillRect(kPanel);
    util2d::SetColor(kLine);
    util2d::DrawRect(kArena, 1.0f);

    const float size = Held(SDL_CONTROLLER_BUTTON_A) ? 22.0f : 14.0f;
    util2d::SetColor(kLit);
    util2d::FillEllipse(marker, size, size);
    DrawPad();

    for (const auto& [texture, at] : labels) {
        texture.Draw(at, Box2f{});
    }
    padStatus.Draw(Pos2f{24.0f, 400.0f}, Box2f{});
    nameText.Draw(Pos2f{96.0f, 66.0f}, Box2f{});
    nameStatus.Draw(Pos2f{440.0f, 70.0f}, Box2f{});
}

void GamepadDemo::DrawPad() const {
    const auto light = [this](SDL_GameControllerButton button, const ColorRGBA& color) {
        util2d::SetColor(Held(button) ? color : kLine);
    };
    // Shoulders, and triggers as bars that fill as they are pulled.
    light(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kLit);
    util2d::FillRect(430.0f, 356.0f, 60.0f, 14.0f);
    light(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kLit);
    util2d::FillRect(534.0f, 356.0f, 60.0f, 14.0f);
    for (const auto& [axis, left] : {std::pair{SDL_CONTROLLER_AXIS_TRIGGERLEFT, 414.0f},
                                     std::pair{SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 600.0f}}) {
        util2d::SetColor(kLine);
        util2d::DrawRect(left, 180.0f, 10.0f, 160.0f, 1.0f);
        util2d::SetColor(kLit);
        util2d::FillRect(left, 180.0f, 10.0f, 160.0f * std::max(Axis(axis), 0.0f));
    }
    // Sticks: the dot shows where each is pushed; pressed in, it lights.
    const struct {
        Pos2f center;
        SDL_GameControllerAxis x, y;
        SDL_GameControllerButton click;
    } sticks[]{{kLeftStick, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY,
                SDL_CONTROLLER_BUTTON_LEFTSTICK},
               {kRightStick, SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY,
                SDL_CONTROLLER_BUTTON_RIGHTSTICK}};
    for (const auto& [center, x, y, click] : sticks) {
        util2d::SetColor(kLine);
        util2d::DrawEllipse(center, kStickRadius, kStickRadius, 2.0f);
        light(click, kLit);
        util2d::FillEllipse(
            Pos2f{center.x + Axis(x) * kStickRadius, center.y - Axis(y) * kStickRadius}, 8.0f,
            8.0f);
    }
    // The d-pad and the face buttons, each where it sits on the pad.
    const struct {
        SDL_GameControllerButton button;
        float dx, dy;
    } dpad[]{{SDL_CONTROLLER_BUTTON_DPAD_UP, 0.0f, 1.0f},
             {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0.0f, -1.0f},
             {SDL_CONTROLLER_BUTTON_DPAD_LEFT, -1.0f, 0.0f},
             {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1.0f, 0.0f}},
        face[]{{SDL_CONTROLLER_BUTTON_A, 0.0f, -1.0f},
               {SDL_CONTROLLER_BUTTON_B, 1.0f, 0.0f},
               {SDL_CONTROLLER_BUTTON_X, -1.0f, 0.0f},
               {SDL_CONTROLLER_BUTTON_Y, 0.0f, 1.0f}};
    for (const auto& [button, dx, dy] : dpad) {
        light(button, kLit);
        util2d::FillRect(kDpad.x + dx * 16.0f - 7.0f, kDpad.y + dy * 16.0f - 7.0f, 14.0f, 14.0f);
    }
    for (int i = 0; i < 4; ++i) {
        light(face[i].button, kFaceColors[i]);
        util2d::FillEllipse(
            Pos2f{kFaceButtons.x + face[i].dx * 20.0f, kFaceButtons.y + face[i].dy * 20.0f}, 9.0f,
            9.0f);
    }
    light(SDL_CONTROLLER_BUTTON_BACK, kLit);
    util2d::FillRect(494.0f, 262.0f, 14.0f, 8.0f);
    light(SDL_CONTROLLER_BUTTON_START, kLit);
    util2d::FillRect(516.0f, 262.0f, 14.0f, 8.0f);
}
