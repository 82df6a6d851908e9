#pragma once

#include "math/Pos2f.h"

#include <string>
#include <vector>

// Notes the immediate-mode calls made while it lives, which still reach the real OpenGL:
// the binary is linked with -Wl,--wrap for glBegin, glEnd, glVertex2f, glLineWidth and
// glPointSize. The trace reads like "width:3 LINES(2)": each primitive with its vertex count.
struct GLCallRecorder {
    GLCallRecorder();
    ~GLCallRecorder();
    GLCallRecorder(const GLCallRecorder&) = delete;
    GLCallRecorder& operator=(const GLCallRecorder&) = delete;

    std::string trace;
    std::vector<Pos2f> vertices;
    const char* mode = "";
    int blockVertices = 0;
};
