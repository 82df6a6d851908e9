#pragma once

#include <string>

#include <SDL_mixer.h>

namespace tatami2d {

/// \file
/// Music streamed on the mixer's music channel.

/// A piece of music streamed from its file on the mixer's single music channel. The audio
/// device must be open (Core opens it) before one is built and the mixer must outlive it.
/// A failed load is logged (see SetLogSink) and leaves an object that plays nothing.
class SoundStream {
public:
    /// Opens the file (any format the mixer streams); it is read while the music plays.
    explicit SoundStream(const std::string& path);
    ~SoundStream(); ///< Frees the music, stopping it first if it is playing.

    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    bool IsLoaded() const; ///< False when the load failed.

    /// Plays once, or over and over until Stop when `repeat` is set. Replaces whatever
    /// music was playing. False when nothing is loaded or the mixer refuses.
    bool Play(bool repeat) const;

    /// Stop, pause or resume the one music channel, whichever stream is playing on it.
    ///@{
    static void Stop();
    static void Pause();
    static void Resume();
    ///@}
    /// True while music is on the channel, paused music included.
    static bool IsPlaying();

    /// The music channel's volume, 0 to MIX_MAX_VOLUME, passed to the mixer unchanged:
    /// larger values count as MIX_MAX_VOLUME and a negative one changes nothing.
    ///@{
    static void SetVolume(int volume);
    static int GetVolume();
    ///@}

private:
    Mix_Music* mixMusic;
};

} // namespace tatami2d
