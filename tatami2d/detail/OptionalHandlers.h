#pragma once

#include <type_traits>
#include <utility>

#include <SDL.h>

/// \file
/// Which of the optional input handlers a game declares; part of Core::Run, not for direct use.

namespace tatami2d::detail {

/// True when Call<Game> names a valid call.
template <class Game, template <class> class Call, class = void>
struct HasCall : std::false_type {};
template <class Game, template <class> class Call>
struct HasCall<Game, Call, std::void_t<Call<Game>>> : std::true_type {};

template <class Game>
using MouseWheelCall =
    decltype(std::declval<Game&>().OnMouseWheel(std::declval<const SDL_MouseWheelEvent&>()));
template <class Game>
using TextInputCall =
    decltype(std::declval<Game&>().OnTextInput(std::declval<const SDL_TextInputEvent&>()));
template <class Game>
using FocusGainedCall = decltype(std::declval<Game&>().OnFocusGained());
template <class Game>
using FocusLostCall = decltype(std::declval<Game&>().OnFocusLost());
template <class Game>
using GamepadAddedCall = decltype(std::declval<Game&>().OnGamepadAdded(
    std::declval<const SDL_ControllerDeviceEvent&>()));
template <class Game>
using GamepadRemovedCall = decltype(std::declval<Game&>().OnGamepadRemoved(
    std::declval<const SDL_ControllerDeviceEvent&>()));
template <class Game>
using GamepadButtonDownCall = decltype(std::declval<Game&>().OnGamepadButtonDown(
    std::declval<const SDL_ControllerButtonEvent&>()));
template <class Game>
using GamepadButtonUpCall = decltype(std::declval<Game&>().OnGamepadButtonUp(
    std::declval<const SDL_ControllerButtonEvent&>()));
template <class Game>
using GamepadAxisCall =
    decltype(std::declval<Game&>().OnGamepadAxis(std::declval<const SDL_ControllerAxisEvent&>()));

template <class Game>
constexpr bool kHasMouseWheel = HasCall<Game, MouseWheelCall>::value;
template <class Game>
constexpr bool kHasTextInput = HasCall<Game, TextInputCall>::value;
template <class Game>
constexpr bool kHasFocusGained = HasCall<Game, FocusGainedCall>::value;
template <class Game>
constexpr bool kHasFocusLost = HasCall<Game, FocusLostCall>::value;
template <class Game>
constexpr bool kHasGamepadAdded = HasCall<Game, GamepadAddedCall>::value;
template <class Game>
constexpr bool kHasGamepadRemoved = HasCall<Game, GamepadRemovedCall>::value;
template <class Game>
constexpr bool kHasGamepadButtonDown = HasCall<Game, GamepadButtonDownCall>::value;
template <class Game>
constexpr bool kHasGamepadButtonUp = HasCall<Game, GamepadButtonUpCall>::value;
template <class Game>
constexpr bool kHasGamepadAxis = HasCall<Game, GamepadAxisCall>::value;

/// A game with any gamepad handler gets SDL's game-controller subsystem; others never start it.
template <class Game>
constexpr bool kWantsGamepads =
    kHasGamepadAdded<Game> || kHasGamepadRemoved<Game> || kHasGamepadButtonDown<Game> ||
    kHasGamepadButtonUp<Game> || kHasGamepadAxis<Game>;

} // namespace tatami2d::detail
