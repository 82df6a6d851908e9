#pragma once

#include <string>

#include <SDL_mixer.h>

namespace tatami2d {

/// \file
/// Short samples played on the mixer's channels.

/// A short sample loaded whole into memory and played on the mixer's channels. The audio
/// device must be open (Core opens it) before one is built and the mixer must outlive it.
/// A failed load is logged (see SetLogSink) and leaves an object that plays nothing and reports
/// volume -1.
class SoundEffect {
public:
    /// Loads the file (any format the mixer reads) whole.
    explicit SoundEffect(const std::string& path);
    ~SoundEffect(); ///< Frees the sample, stopping it on any channel that plays it.

    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;

    bool IsLoaded() const; ///< False when the load failed.

    /// Plays on the first free channel. `loops` counts extra plays: 0 plays once, n plays n + 1
    /// times, -1 repeats until stopped. False when nothing is loaded or every mixing channel is
    /// busy.
    bool Play(int loops) const;

    /// This sample's volume, 0 to MIX_MAX_VOLUME, passed to the mixer unchanged: larger
    /// values count as MIX_MAX_VOLUME and a negative one changes nothing. -1 when nothing is
    /// loaded.
    ///@{
    void SetVolume(int volume);
    int GetVolume() const;
    ///@}

    /// Stop, pause or resume every mixing channel, whichever effect it plays.
    ///@{
    static void StopAll();
    static void PauseAll();
    static void ResumeAll();
    ///@}

private:
    Mix_Chunk* mixChunk;
};

} // namespace tatami2d
