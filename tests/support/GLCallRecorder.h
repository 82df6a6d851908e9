#pragma once

#include "math/Pos2f.h"

#include <string>
#include <vector>

// Records the immediate-mode calls made while it lives: the test binary is linked with
// -Wl,--wrap for glBegin, glEnd, glVertex2f, glTexCoord2f, glLineWidth, glPointSize and
// glColor4f, so every call still reaches the real OpenGL after being noted.
class GLCallRecorder {
public:
    struct Call {
        char kind; // 'b'egin, 'e'nd, 'v'ertex, 't'excoord, 'w'idth, 's'ize, 'c'olour
        unsigned mode;
        float values[4];
    };

    GLCallRecorder();
    ~GLCallRecorder();
    GLCallRecorder(const GLCallRecorder&) = delete;
    GLCallRecorder& operator=(const GLCallRecorder&) = delete;

    // The calls in order, runs of vertices counted: "width:3 begin:LINES v*2 end".
    std::string Trace() const;
    std::vector<Pos2f> Vertices() const;
    std::vector<Pos2f> TexCoords() const;
    void Clear() { calls.clear(); }

    std::vector<Call> calls;
};
