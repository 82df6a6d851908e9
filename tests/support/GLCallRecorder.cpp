#include "support/GLCallRecorder.h"

#include <sstream>

#include <SDL_opengl.h>

namespace {

GLCallRecorder* active = nullptr;

void Note(char kind, unsigned mode, float a = 0.0f, float b = 0.0f, float c = 0.0f,
          float d = 0.0f) {
    if (active != nullptr) {
        active->calls.push_back({kind, mode, {a, b, c, d}});
    }
}

const char* ModeName(unsigned mode) {
    switch (mode) {
    case GL_POINTS:
        return "POINTS";
    case GL_LINES:
        return "LINES";
    case GL_LINE_LOOP:
        return "LINE_LOOP";
    case GL_LINE_STRIP:
        return "LINE_STRIP";
    case GL_TRIANGLES:
        return "TRIANGLES";
    case GL_QUADS:
        return "QUADS";
    case GL_POLYGON:
        return "POLYGON";
    default:
        return "?";
    }
}

std::vector<Pos2f> Collect(const std::vector<GLCallRecorder::Call>& calls, char kind) {
    std::vector<Pos2f> points;
    for (const auto& call : calls) {
        if (call.kind == kind) {
            points.emplace_back(call.values[0], call.values[1]);
        }
    }
    return points;
}

} // namespace

extern "C" {
void __real_glBegin(GLenum mode);
void __real_glEnd();
void __real_glVertex2f(GLfloat x, GLfloat y);
void __real_glTexCoord2f(GLfloat s, GLfloat t);
void __real_glLineWidth(GLfloat width);
void __real_glPointSize(GLfloat size);
void __real_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);

void __wrap_glBegin(GLenum mode) {
    Note('b', mode);
    __real_glBegin(mode);
}
void __wrap_glEnd() {
    Note('e', 0);
    __real_glEnd();
}
void __wrap_glVertex2f(GLfloat x, GLfloat y) {
    Note('v', 0, x, y);
    __real_glVertex2f(x, y);
}
void __wrap_glTexCoord2f(GLfloat s, GLfloat t) {
    Note('t', 0, s, t);
    __real_glTexCoord2f(s, t);
}
void __wrap_glLineWidth(GLfloat width) {
    Note('w', 0, width);
    __real_glLineWidth(width);
}
void __wrap_glPointSize(GLfloat size) {
    Note('s', 0, size);
    __real_glPointSize(size);
}
void __wrap_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    Note('c', 0, r, g, b, a);
    __real_glColor4f(r, g, b, a);
}
}

GLCallRecorder::GLCallRecorder() {
    active = this;
}

GLCallRecorder::~GLCallRecorder() {
    active = nullptr;
}

std::string GLCallRecorder::Trace() const {
    std::ostringstream out;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const Call& call = calls[i];
        out << (i == 0 ? "" : " ");
        switch (call.kind) {
        case 'b':
            out << "begin:" << ModeName(call.mode);
            break;
        case 'e':
            out << "end";
            break;
        case 'w':
            out << "width:" << call.values[0];
            break;
        case 's':
            out << "size:" << call.values[0];
            break;
        case 'c':
            out << "color:" << call.values[0] << ',' << call.values[1] << ',' << call.values[2]
                << ',' << call.values[3];
            break;
        case 't':
            out << "t";
            break;
        default: {
            std::size_t run = 1;
            while (i + 1 < calls.size() && calls[i + 1].kind == 'v') {
                ++run;
                ++i;
            }
            out << "v*" << run;
        }
        }
    }
    return out.str();
}

std::vector<Pos2f> GLCallRecorder::Vertices() const {
    return Collect(calls, 'v');
}

std::vector<Pos2f> GLCallRecorder::TexCoords() const {
    return Collect(calls, 't');
}
