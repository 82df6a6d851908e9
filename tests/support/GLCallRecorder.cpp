#include "support/GLCallRecorder.h"

#include <sstream>

#include <SDL_opengl.h>

namespace {

GLCallRecorder* active = nullptr;

void Note(const std::string& token) {
    active->trace += (active->trace.empty() ? "" : " ") + token;
}

std::string Number(float value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// Indexed by the primitive's enum value, GL_POINTS (0) to GL_POLYGON (9).
const char* const kModeNames[]{"POINTS",     "LINES",          "LINE_LOOP",    "LINE_STRIP",
                               "TRIANGLES",  "TRIANGLE_STRIP", "TRIANGLE_FAN", "QUADS",
                               "QUAD_STRIP", "POLYGON"};

} // namespace

extern "C" {
void __real_glBegin(GLenum mode);
void __real_glEnd();
void __real_glVertex2f(GLfloat x, GLfloat y);
void __real_glLineWidth(GLfloat width);
void __real_glPointSize(GLfloat size);

void __wrap_glBegin(GLenum mode) {
    if (active != nullptr) {
        active->mode = mode <= GL_POLYGON ? kModeNames[mode] : "?";
        active->blockVertices = 0;
    }
    __real_glBegin(mode);
}
void __wrap_glEnd() {
    if (active != nullptr) {
        Note(std::string{active->mode} + "(" + std::to_string(active->blockVertices) + ")");
    }
    __real_glEnd();
}
void __wrap_glVertex2f(GLfloat x, GLfloat y) {
    if (active != nullptr) {
        active->vertices.emplace_back(x, y);
        ++active->blockVertices;
    }
    __real_glVertex2f(x, y);
}
void __wrap_glLineWidth(GLfloat width) {
    if (active != nullptr) {
        Note("width:" + Number(width));
    }
    __real_glLineWidth(width);
}
void __wrap_glPointSize(GLfloat size) {
    if (active != nullptr) {
        Note("size:" + Number(size));
    }
    __real_glPointSize(size);
}
}

GLCallRecorder::GLCallRecorder() {
    active = this;
}

GLCallRecorder::~GLCallRecorder() {
    active = nullptr;
}
