#include "tatami2d/render/View.h"

#include "support/GLContextFixture.h"
#include "support/GLFeedback.h"
#include "tatami2d/app/DrawArea.h"
#include "tatami2d/render/Drawing.h"

#include <cmath>
#include <functional>

#include <SDL_opengl.h>

using namespace tatami2d;

namespace {

// Where OpenGL puts a point drawn at p, in drawable pixels.
Pos2f DrawnAt(const Pos2f& p) {
    const auto vertices = Feedback([&] { util2d::DrawPoint(p, 1.0f); });
    return vertices.size() == 1 ? Pos2f{vertices[0].x, vertices[0].y} : Pos2f{-1e9f, -1e9f};
}

bool Near(const Pos2f& a, const Pos2f& b) {
    return std::abs(a.x - b.x) < 0.01f && std::abs(a.y - b.y) < 0.01f;
}

// The game's own transforms go on the modelview matrix, as before the view.
bool LeftInModelview() {
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    return mode == GL_MODELVIEW;
}

} // namespace

using ViewTest = GLContextFixture;

// A world point, where it shows in the 1350 x 345 window, and the view (turned by cosine 0.8).
TEST_F(ViewTest, DrawsEachWorldPointWhereItMapsAndMapsItBack) {
    const float turn = std::atan2(3.0f, 4.0f);
    const struct {
        Pos2f world, window;
        std::function<void(View&)> set;
    } rows[]{
        {{1010, 505}, {685, 177.5f}, [](View&) {}},
        {{1010, 505}, {695, 182.5f}, [](View& v) { v.SetZoom(2.0f); }},
        {{1050, 500}, {715, 142.5f}, [&](View& v) { v.SetRotation(turn); }},
        {{1050, 500},
         {560, 140},
         [&](View& v) {
             v.SetRotation(turn), v.SetSize(100, 100), v.SetViewport({200, 100, 400, 200});
         }},
    };
    for (const auto& [world, window, set] : rows) {
        View view{Pos2f{1000, 500}, 1350, 345};
        set(view);
        view.Apply();
        EXPECT_TRUE(LeftInModelview() && Near(DrawnAt(world), window) &&
                    Near(view.WorldToWindow(world), window) &&
                    Near(view.WindowToWorld(window), world))
            << window.x << ", " << window.y;
    }
    View zoomed{Pos2f{0, 0}, 10, 10};
    zoomed.SetZoom(3.0f);
    EXPECT_TRUE(zoomed.GetZoom() == 3.0f && zoomed.GetWidth() == 450.0f &&
                zoomed.GetHeight() == 115.0f);
}

// The 1350 x 344 logical window drawn at half size, 100 pixels from the left, 20 from the bottom.
TEST_F(ViewTest, ViewportsAndTheDefaultLandInTheDrawArea) {
    SetDrawArea({100, 20, 675, 172, 1350.0f, 344.0f});
    View inBox{Pos2f{0, 0}, 400, 200};
    inBox.SetViewport(Box2f{200, 100, 400, 200});
    inBox.Apply();
    EXPECT_TRUE(Near(DrawnAt({-199.5f, -99.5f}), {200.25f, 70.25f}));
    EXPECT_TRUE(Near(DrawnAt({199.5f, 99.5f}), {399.75f, 169.75f}));
    View{Pos2f{675, 172}, 1350, 344}.Apply();
    EXPECT_TRUE(Near(DrawnAt({1349, 343}), {774.5f, 191.5f}));
    inBox.Apply();
    View::ApplyDefault();
    EXPECT_TRUE(LeftInModelview() && Near(DrawnAt({1, 1}), {100.5f, 20.5f}));
    EXPECT_TRUE(Near(DrawnAt({1349, 343}), {774.5f, 191.5f}));
}

// The last two are not degenerate, only thinner than half a pixel: nothing to draw into.
TEST_F(ViewTest, DegenerateViewsDrawNothingAndMapToTheirCentres) {
    const std::function<void(View&)> degenerate[]{
        [](View& v) { v.SetSize(0, 100); },
        [](View& v) { v.SetSize(100, -1); },
        [](View& v) { v.SetZoom(0); },
        [](View& v) { v.SetRotation(NAN); },
        [](View& v) { v.SetCenter(Pos2f(INFINITY, 0)); },
        [](View& v) { v.SetViewport(Box2f(10, 10, 0, 50)); },
        [](View& v) { v.SetViewport(Box2f(10, 10, 50, -5)); },
        [](View& v) { v.SetViewport(Box2f(INFINITY, 10, 50, 50)); },
        [](View& v) { v.SetViewport(Box2f(10.2f, 10, 0.2f, 50)); },
        [](View& v) { v.SetViewport(Box2f(10, 10.2f, 50, 0.2f)); },
    };
    for (std::size_t i = 0; i < std::size(degenerate); ++i) {
        View view{Pos2f{100, 50}, 200, 100};
        degenerate[i](view);
        view.Apply();
        const auto drawn = Feedback([] {
            util2d::DrawPoint(100, 50, 20.0f);
            util2d::DrawLine(-1e4f, -1e4f, 1e4f, 1e4f, 20.0f);
            util2d::FillRect(-1e4f, -1e4f, 2e4f, 2e4f);
        });
        EXPECT_TRUE(drawn.empty() && LeftInModelview()) << i;
        EXPECT_EQ(view.IsDegenerate(), i < 8) << i;
        EXPECT_TRUE(i >= 4 || (Near(view.WindowToWorld({3, 4}), {100, 50}) &&
                               Near(view.WorldToWindow({3, 4}), {675, 172.5f})))
            << i;
    }
}
