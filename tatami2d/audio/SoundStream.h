#pragma once

#include <string>

#include <SDL_mixer.h>

// A piece of music streamed from its file on the mixer's single music channel. The audio
// device must be open before one is built and the mixer must outlive it. A failed load is
// reported on stderr and leaves an object that plays nothing.
class SoundStream {
public:
    explicit SoundStream(const std::string& path);
    ~SoundStream();

    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    bool IsLoaded() const;

    // Plays once, or over and over until Stop when `repeat` is set. Replaces whatever
    // music was playing. False when nothing is loaded or the mixer refuses.
    bool Play(bool repeat) const;

    // These act on the one music channel, whichever stream is playing on it.
    static void Stop();
    static void Pause();
    static void Resume();
    static bool IsPlaying();

    // Mixer volumes, 0 to MIX_MAX_VOLUME, passed through unchanged.
    static void SetVolume(int volume);
    static int GetVolume();

private:
    Mix_Music* mixMusic;
};
