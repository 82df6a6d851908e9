#pragma once

#include "GoldenFrame.h"

#include <deque>
#include <map>
#include <string>

// Plays a script to an example through Core's own loop, so that every record reaches the demo
// as it would in the program: through SDL's queue, the window's layout and the gamepads. A
// pass runs the words up to the next frame, whose events arrive at the start of the next pass,
// which then updates and draws that frame:
//   f0.1       the demo updates with 0.1 s and draws
//   =name      (after a frame) that frame is kept as `name`, at the drawable's size
//   c120,40    a left click, pressed and released, at SDL's window point (120, 40), y down
//   m120,40    the mouse moves there;  w2  the wheel turns 2 away from the player there
//   kReturn    a key, by SDL's name, pressed and released;  tZoë  text typed
//   o / i      the window loses / gains the keyboard focus
//   + / -      a virtual gamepad is plugged in / pulled out
//   b0=1       its button 0 (A) is held (1) or released (0);  a1=-20000  its axis 1 moves
//   s800,480   the window is resized, and the script waits until the layout follows
// When the words run out, the demo is asked to quit.
class ScriptPlayer {
public:
    void Start(const std::string& script);
    // Runs the words up to the next frame: true, with its seconds, when the demo should update
    // and draw in this pass.
    bool NextFrame(float& seconds);
    // Called once the demo has drawn: keeps the frame if the script names it.
    void FrameDrawn();

    std::map<std::string, Surface> frames;

private:
    void Run(const std::string& word);
    void WaitForDrawable(int width, int height);

    std::deque<std::string> words;
    std::string keep;
    int mouseX = 0, mouseY = 0;
    int pad = -1;
    int waitWidth = 0, waitHeight = 0, waitedPasses = 0, settledPasses = 0;
};

inline ScriptPlayer player;

// The demo, played by the script instead of by Core's clock.
template <class Demo>
struct Scripted : Demo {
    using Demo::Demo;
    void Update(float) {
        float seconds = 0.0f;
        drawing = player.NextFrame(seconds);
        if (drawing) {
            Demo::Update(seconds);
        }
    }
    void Draw() {
        if (drawing) {
            Demo::Draw();
            player.FrameDrawn();
        }
    }
    bool drawing = false;
};
