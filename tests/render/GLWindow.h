#ifndef TESTS_RENDER_GLWINDOW_H
#define TESTS_RENDER_GLWINDOW_H

// A small hidden-border window with its GL context current and GLEW set up, as
// the window application leaves it, plus pixel read-back helpers.

#include "core/ViewData.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <vector>

namespace RenderTest {

const int WIDTH = 160;
const int HEIGHT = 120;

struct Rgba {
    int r, g, b, a;
};

inline bool operator==(const Rgba& a, const Rgba& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

inline std::ostream& operator<<(std::ostream& out, const Rgba& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

// The view data of the whole window: perspective 45 degrees from 1 to 100,
// no zoom, vsync off.
inline Render::ViewData windowView()
{
    Render::ViewData view;
    view.near = 1.0f;
    view.far = 100.0f;
    view.fov = 45.0f;
    view.x = 0;
    view.y = 0;
    view.w = WIDTH;
    view.h = HEIGHT;
    view.zoomX = 1.0f;
    view.zoomY = 1.0f;
    view.vsync = 0;
    return view;
}

class GLWindow {
public:
    // Opens the window; ok() tells whether a context is current.
    GLWindow()
    {
        if (!glfwInit())
            return;
        glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
        glfwWindowHint(GLFW_DEPTH_BITS, 24);
        m_window = glfwCreateWindow(WIDTH, HEIGHT, "render", nullptr, nullptr);
        if (m_window == nullptr)
            return;
        glfwMakeContextCurrent(m_window);
        m_glew = glewInit() == GLEW_OK;
        glViewport(0, 0, WIDTH, HEIGHT);
    }
    // GLFW stays initialised until the process ends: terminating it unloads
    // Mesa's driver, whose own leftovers would then count as leaks.
    ~GLWindow()
    {
        if (m_window != nullptr)
            glfwDestroyWindow(m_window);
    }
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    bool ok() const { return m_window != nullptr && m_glew; }

    static void clear(float r, float g, float b)
    {
        glClearColor(r, g, b, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    static Rgba pixel(int x, int y)
    {
        unsigned char p[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return Rgba{p[0], p[1], p[2], p[3]};
    }

    // The whole window, rows bottom-up.
    static std::vector<unsigned char> readAll()
    {
        std::vector<unsigned char> pixels(WIDTH * HEIGHT * 4);
        glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Pixel projection with the identity camera, depth test off.
    static void pixelView()
    {
        glViewport(0, 0, WIDTH, HEIGHT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, WIDTH, 0, HEIGHT, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
    }

private:
    GLFWwindow* m_window = nullptr;
    bool m_glew = false;
};

} // namespace RenderTest

#endif
