// The floor of the game's start-up: a bare window with a GL context, cleared
// and swapped once, announced on the error stream as the game announces its
// first frame, then closed. With "--peak" it also prints its peak resident
// size, the floor of any GL program's memory.

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv)
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
    if (argc > 1 && std::strcmp(argv[1], "--peak") == 0) {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.compare(0, 6, "VmHWM:") == 0)
                std::printf("%s\n", line.c_str());
    }
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
