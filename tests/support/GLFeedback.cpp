#include "support/GLFeedback.h"

#include <iterator>

#include <SDL_opengl.h>

std::vector<FeedbackVertex> Feedback(const std::function<void()>& draw) {
    static GLfloat buffer[1 << 16];
    glFeedbackBuffer(static_cast<GLsizei>(std::size(buffer)), GL_3D_COLOR_TEXTURE, buffer);
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    std::vector<FeedbackVertex> vertices;
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        const bool line = token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN;
        const int n = token == GL_POLYGON_TOKEN ? static_cast<int>(buffer[i++]) : line ? 2 : 1;
        // Each vertex: x, y, z, then r, g, b, a, then s, t, r, q.
        for (int v = 0; v < n; ++v, i += 11) {
            const GLfloat* p = buffer + i;
            vertices.push_back({p[0], p[1], p[3], p[4], p[5], p[6], p[7], p[8]});
        }
    }
    return vertices;
}
