#include "CameraDemo.h"
#include "GoldenFrame.h"
#include "HitTestsDemo.h"
#include "OutlinesDemo.h"
#include "ShapesDemo.h"
#include "SoundDemo.h"
#include "SpritesDemo.h"
#include "TextDemo.h"

#include <string>

#include <gtest/gtest.h>

// Each example played headless by a fixed script, its final frame against its screenshot.
template <class Demo>
void ExpectScreenshot(const char* folder, const std::string& script) {
    PlayExample<Demo>(folder, Script(script));
    ExpectShots(folder);
}

TEST(ExampleFinalFrame, EachMatchesItsScreenshot) {
    // The spinner stops at 0.9 pi radians, neither along an axis nor at a whole step.
    ExpectScreenshot<ShapesDemo>("shapes", "f0.1 f0.4 f0.4");
    // The disc touches the target circle (no overlap), the box shares an edge with the target
    // box (overlap), the pointer is on the segment.
    ExpectScreenshot<HitTestsDemo>(
        "hit-tests", "f0.02 m120,110 d120,110 m180,200 f0.02 m240,280 u240,280 f0.02 m255,105 "
                     "d255,105 m200,150 f0.02 m135,205 u135,205 m520,280 f0.02");
    // The rock turned 30 degrees, the pointer inside it beyond the ray's hit, bouncing upwards.
    ExpectScreenshot<OutlinesDemo>("outlines", "f0.5 m600,100 f0.5 f0.5 m330,275 f0.5 f0.5");
    // Three frames at 10 a second, five at 12 back to frame 0; paused, Right steps to frame 1.
    ExpectScreenshot<SpritesDemo>(
        "sprites", "f0.07 f0.07 f0.07 f0.07 f0.07 kUp f0.1 f0.3 kSpace kRight f0.02");
    // The drum, then the blip; the music turned down two steps and paused.
    ExpectScreenshot<SoundDemo>(
        "sound", "f0.02 d320,290 u320,290 f0.1 kDown kDown kp d140,290 u140,290 f0.2");
    // Scrolled, zoomed in twice, turned 15 degrees: the click picks the middle crate.
    ExpectScreenshot<CameraDemo>("camera", "f0.1 kDown k= k= kQ f0.5 d301,282 u301,282 f0.5");
    // Wrapped two steps narrower; the caret clicked into the Cyrillic line, Left over a letter.
    ExpectScreenshot<TextDemo>("text", "f0.1 kDown kDown d150,315 u150,315 kLeft f0.1");
}
