#pragma once

#include <string>

/// \file
/// Files that ship beside the program, and a folder for what a player saves.

namespace tatami2d {

/// The path of a file that ships with the program, such as "assets/coin.png": the file in
/// the program's own folder (SDL's base path) when it is there, so the program finds it
/// whatever folder it was started from; otherwise the path unchanged, which the loaders take
/// relative to the working directory. An absolute path, or one where SDL cannot tell the
/// program's folder, also comes back unchanged. The folder is asked once, at the first call.
std::string FindFile(const std::string& relativePath);

/// The folder, ending in a path separator, where this user's saved data for the application
/// belongs (SDL's preference path, such as ~/.local/share/organization/application/ on
/// Linux), created if it is missing. Each name must be one folder name: a name holding a
/// slash or backslash, or that is "." or "..", is refused, as is an empty application. On
/// failure, logged (see SetLogSink), the result is empty: nothing should be saved.
std::string UserDataFolder(const std::string& organization, const std::string& application);

} // namespace tatami2d
