// The floor of the game's memory: a window that does the same fixed work as
// the game's busiest second, told by the benchmark what the game did. It
// opens a window of the game's size with a depth buffer, puts as many bytes
// into a GL buffer and as many texels into a texture as the game loaded, and
// draws as many vertices a frame (small coloured, textured triangles over
// the view) for as many frames; it also opens an OpenAL context and hands it
// as many bytes of samples in as many buffers. Then it prints its peak
// resident size.
//
//   scene_window WIDTH HEIGHT VERTICES BUFFER_BYTES TEXELS SAMPLE_BYTES SAMPLE_BUFFERS FRAMES

#define GL_GLEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A vertex as the game's models have one: a position and a colour.
struct Vertex {
    float x, y, z;
    unsigned char rgba[4];
};

// The window's size and what the game did: the vertices it drew a frame,
// the bytes of its GL buffers, its texels, the bytes and buffers of its
// samples, and the frames it drew.
struct Work {
    int width = 0, height = 0;
    long vertices = 0, bufferBytes = 0, texels = 0;
    long sampleBytes = 0, sampleBuffers = 0, frames = 0;
};

bool readWork(int argc, char** argv, Work& work)
{
    if (argc != 9)
        return false;
    work.width = std::atoi(argv[1]);
    work.height = std::atoi(argv[2]);
    long* const numbers[] = {&work.vertices, &work.bufferBytes, &work.texels, &work.sampleBytes,
                             &work.sampleBuffers, &work.frames};
    for (int i = 0; i < 6; ++i)
        *numbers[i] = std::atol(argv[3 + i]);
    return work.width > 0 && work.height > 0 && work.vertices >= 0 && work.frames > 0;
}

void closeSound(ALCdevice* device, ALCcontext* context)
{
    alcMakeContextCurrent(nullptr);
    if (context)
        alcDestroyContext(context);
    if (device)
        alcCloseDevice(device);
}

// Small triangles spread over the view, in a buffer of at least the given size.
std::vector<Vertex> triangles(long count, long bytes)
{
    const long size = std::max(count, static_cast<long>(bytes / sizeof(Vertex)));
    std::vector<Vertex> vertices(static_cast<size_t>(size));
    unsigned seed = 1;
    float x = 0.0f;
    float y = 0.0f;
    for (long i = 0; i < size; ++i) {
        if (i % 3 == 0) {
            seed = seed * 1103515245u + 12345u;
            x = (seed >> 8) % 2000 / 1000.0f - 1.0f;
            y = (seed >> 4) % 2000 / 1000.0f - 1.0f;
        }
        const float corner = static_cast<float>(i % 3) * 0.02f;
        vertices[static_cast<size_t>(i)] = Vertex{x + corner, y + (i % 3 == 2 ? corner : 0.0f), 0.5f,
                                                  {static_cast<unsigned char>(seed), 128, 200, 255}};
    }
    return vertices;
}

void loadTexture(long texels)
{
    if (texels <= 0)
        return;
    const long width = std::min(texels, 2048L);
    const long height = (texels + width - 1) / width;
    std::vector<unsigned char> pixels(static_cast<size_t>(width * height * 3), 180);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0, GL_RGB,
                 GL_UNSIGNED_BYTE, pixels.data());
    glEnable(GL_TEXTURE_2D);
}

void loadVertices(const std::vector<Vertex>& vertices)
{
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
                 GL_STATIC_DRAW);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(Vertex), nullptr);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), reinterpret_cast<const void*>(3 * sizeof(float)));
    glEnable(GL_DEPTH_TEST);
}

// Opens the default device and hands it the samples; null when it will not
// open.
ALCcontext* loadSamples(long bytes, long buffers)
{
    ALCdevice* device = alcOpenDevice(nullptr);
    ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
    if (!context || !alcMakeContextCurrent(context)) {
        closeSound(device, context);
        return nullptr;
    }
    const long each = buffers > 0 ? bytes / buffers / 2 * 2 : 0;
    std::vector<short> samples(static_cast<size_t>(each / 2));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>(i * 37);
    for (long i = 0; i < buffers && each > 0; ++i) {
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        alBufferData(buffer, AL_FORMAT_MONO16, samples.data(), static_cast<ALsizei>(each), 22050);
    }
    if (alGetError() != AL_NO_ERROR) {
        closeSound(device, context);
        return nullptr;
    }
    return context;
}

void printPeak()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, 6, "VmHWM:") == 0)
            std::printf("%s\n", line.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    Work work;
    if (!readWork(argc, argv, work)) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT VERTICES BUFFER_BYTES TEXELS SAMPLE_BYTES SAMPLE_BUFFERS "
                     "FRAMES\n", argv[0]);
        return 2;
    }
    if (!glfwInit())
        return 1;
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    GLFWwindow* window = glfwCreateWindow(work.width, work.height, "scene", nullptr, nullptr);
    ALCcontext* sound = window ? loadSamples(work.sampleBytes, work.sampleBuffers) : nullptr;
    if (!sound) {
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    loadVertices(triangles(work.vertices, work.bufferBytes));
    loadTexture(work.texels);
    for (long frame = 0; frame < work.frames; ++frame) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(work.vertices / 3 * 3));
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    printPeak();
    closeSound(alcGetContextsDevice(sound), sound);
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
