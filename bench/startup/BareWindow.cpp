// The floor of the game's start-up: a bare window with a GL context, cleared
// and swapped once, announced on the error stream as the game announces its
// first frame, then closed.

#include <GLFW/glfw3.h>

#include <cstdio>

int main()
{
    if (!glfwInit())
        return 1;
    GLFWwindow* window = glfwCreateWindow(640, 480, "bare", nullptr, nullptr);
    if (!window) {
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glfwSwapBuffers(window);
    std::fprintf(stderr, "frelmory: first frame drawn\n");
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
