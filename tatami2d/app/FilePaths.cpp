#include "tatami2d/app/FilePaths.h"

#include "tatami2d/app/LogOutput.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include <SDL.h>

namespace tatami2d {

namespace {

// What SDL returns, freed with its own function.
using SdlText = std::unique_ptr<char, decltype(&SDL_free)>;

// Empty when SDL cannot tell.
std::string ReadBasePath() {
    const SdlText path{SDL_GetBasePath(), &SDL_free};
    return path ? std::string{path.get()} : std::string{};
}

bool IsFolderName(const std::string& name) {
    return name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

} // namespace

std::string FindFile(const std::string& relativePath) {
    static const std::string base = ReadBasePath();
    if (base.empty() || std::filesystem::path{relativePath}.is_absolute()) {
        return relativePath;
    }
    std::string beside = base + relativePath;
    std::error_code error;
    return std::filesystem::exists(beside, error) ? beside : relativePath;
}

std::string UserDataFolder(const std::string& organization, const std::string& application) {
    if (!IsFolderName(organization) || !IsFolderName(application) || application.empty()) {
        WriteLog({"UserDataFolder(..), not a folder name: \"", organization, "\", \"", application,
                  "\"\n"});
        return {};
    }
    const SdlText path{SDL_GetPrefPath(organization.c_str(), application.c_str()), &SDL_free};
    if (!path) {
        WriteLog(
            {"UserDataFolder(..), error when calling SDL_GetPrefPath: ", SDL_GetError(), "\n"});
        return {};
    }
    return std::string{path.get()};
}

} // namespace tatami2d
