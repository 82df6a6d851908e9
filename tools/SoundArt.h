#pragma once

#include "tools/WaveFile.h"

// The sounds of the sound example, synthesised from sine and triangle waves and a seeded
// noise generator, so every run gives the same samples.
namespace soundart {

// A beep that rises an octave, 0.15 s.
wavefile::Samples Blip();
// A low thump with a click on top, 0.3 s.
wavefile::Samples Drum();
// A bell-like ring of three partials, 0.8 s.
wavefile::Samples Chime();
// Four bars of arpeggios over a bass line, A minor, F, C, G: a 2.4 s loop. No note lets the
// sound fall silent, so paused music is told apart from quiet music.
wavefile::Samples Music();

} // namespace soundart
