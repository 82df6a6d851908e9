#include "tatami2d/audio/SoundStream.h"

#include "tatami2d/app/LogOutput.h"

namespace tatami2d {

SoundStream::SoundStream(const std::string& path) : mixMusic{Mix_LoadMUS(path.c_str())} {
    if (mixMusic == nullptr) {
        // No line end, so that whatever is reported next continues this line.
        WriteLog({"SoundStream: Failed to load ", path, ",\nSDL_mixer Error: ", SDL_GetError()});
    }
}

SoundStream::~SoundStream() {
    Mix_FreeMusic(mixMusic);
    mixMusic = nullptr;
}

bool SoundStream::IsLoaded() const {
    return mixMusic != nullptr;
}

bool SoundStream::Play(bool repeat) const {
    if (mixMusic == nullptr) {
        return false;
    }
    return Mix_PlayMusic(mixMusic, repeat ? -1 : 1) == 0;
}

void SoundStream::Stop() {
    Mix_HaltMusic();
}

void SoundStream::Pause() {
    Mix_PauseMusic();
}

void SoundStream::Resume() {
    Mix_ResumeMusic();
}

bool SoundStream::IsPlaying() {
    return Mix_PlayingMusic() != 0;
}

void SoundStream::SetVolume(int volume) {
    Mix_VolumeMusic(volume);
}

int SoundStream::GetVolume() {
    return Mix_VolumeMusic(-1);
}

} // namespace tatami2d
