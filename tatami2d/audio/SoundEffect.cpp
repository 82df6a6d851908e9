#include "tatami2d/audio/SoundEffect.h"

#include "tatami2d/app/LogOutput.h"

namespace tatami2d {

SoundEffect::SoundEffect(const std::string& path)
    // The mixer closes the stream, and copes with a null one when the file did not open.
    : mixChunk{Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1)} {
    if (mixChunk == nullptr) {
        // No line end, so that whatever is reported next continues this line.
        WriteLog({"SoundEffect: Failed to load ", path, ",\nSDL_mixer Error: ", SDL_GetError()});
    }
}

SoundEffect::~SoundEffect() {
    Mix_FreeChunk(mixChunk);
    mixChunk = nullptr;
}

bool SoundEffect::IsLoaded() const {
    return mixChunk != nullptr;
}

bool SoundEffect::Play(int loops) const {
    if (mixChunk == nullptr) {
        return false;
    }
    return Mix_PlayChannelTimed(-1, mixChunk, loops, -1) != -1;
}

void SoundEffect::SetVolume(int volume) {
    if (mixChunk != nullptr) {
        Mix_VolumeChunk(mixChunk, volume);
    }
}

int SoundEffect::GetVolume() const {
    return mixChunk != nullptr ? Mix_VolumeChunk(mixChunk, -1) : -1;
}

void SoundEffect::StopAll() {
    Mix_HaltChannel(-1);
}

void SoundEffect::PauseAll() {
    Mix_Pause(-1);
}

void SoundEffect::ResumeAll() {
    Mix_Resume(-1);
}

} // namespace tatami2d
