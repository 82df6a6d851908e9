#pragma once

#include <string>

#include <SDL_mixer.h>

// A short sample loaded whole into memory and played on the mixer's channels. The audio
// device must be open before one is built and the mixer must outlive it. A failed load is
// reported on stderr and leaves an object that plays nothing and reports volume -1.
class SoundEffect {
public:
    explicit SoundEffect(const std::string& path);
    ~SoundEffect();

    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;

    bool IsLoaded() const;

    // `loops` counts extra plays: 0 plays once, n plays n + 1 times, -1 repeats until
    // stopped. False when nothing is loaded or every mixing channel is busy.
    bool Play(int loops) const;

    // Mixer volumes, 0 to MIX_MAX_VOLUME, passed through unchanged.
    void SetVolume(int volume);
    int GetVolume() const;

    // These act on every mixing channel, whichever effect it plays.
    static void StopAll();
    static void PauseAll();
    static void ResumeAll();

private:
    Mix_Chunk* mixChunk;
};
