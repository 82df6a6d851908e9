// Draws the sprite sheet of the sprites example and synthesises the sounds of the sound
// example, into the assets/ folders under the examples folder given.
// Usage: ExampleAssetGenerator <examples-folder>

#include "tools/CoinSheet.h"
#include "tools/SoundArt.h"
#include "tools/WaveFile.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include <SDL.h>
#include <SDL_image.h>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: ExampleAssetGenerator <examples-folder>" << std::endl;
        return 2;
    }
    const std::string sprites = std::string{argv[1]} + "/sprites/assets";
    const std::string sound = std::string{argv[1]} + "/sound/assets";
    std::error_code error;
    std::filesystem::create_directories(sprites, error);
    std::filesystem::create_directories(sound, error);
    if (SDL_Init(0) != 0 || (IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG) == 0) {
        std::cerr << "ExampleAssetGenerator, error when initialising SDL: " << SDL_GetError()
                  << std::endl;
        return 1;
    }
    const bool ok = coinsheet::Paint().SavePng(sprites + "/coin.png") &&
                    wavefile::Save(soundart::Blip(), sound + "/blip.wav") &&
                    wavefile::Save(soundart::Drum(), sound + "/drum.wav") &&
                    wavefile::Save(soundart::Chime(), sound + "/chime.wav") &&
                    wavefile::Save(soundart::Music(), sound + "/music.wav");
    IMG_Quit();
    SDL_Quit();
    return ok ? 0 : 1;
}
