#ifndef PLAYTHROUGH_SCENE_H
#define PLAYTHROUGH_SCENE_H

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Picture.h"

namespace PlayThrough {

// A point of the window in pixels, y growing downwards.
struct Pixel {
    float x = 0.0f;
    float y = 0.0f;
};

inline float distance(const Pixel& a, const Pixel& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// What a person tells apart in one picture of play, by colour and shape: the
// carrot (an orange root with green leaves), the snowman (the biggest patch
// of snow above the ground) and whether the score in the top corner changed.
// Everything is in window pixels.
struct Scene {
    float time = 0.0f; // seconds of play when the picture was drawn
    float scale = 1.0f; // the window's width over 640: sizes a person judges grow with it
    bool play = false; // a play view with its snowy ground
    float groundY = 0.0f;

    bool carrot = false;
    Pixel root;   // the middle of the orange root
    Pixel leaves; // the middle of the green leaves
    Pixel tip;    // the leaf point farthest from the root

    bool snowman = false;
    Pixel body; // the middle of the snowman
    float left = 0.0f, right = 0.0f, top = 0.0f;

    std::uint32_t scoreLook = 0; // a fingerprint of the score's digits

    // Where the root hangs from the leaves, in radians: 0 straight down,
    // positive towards the right.
    float hangAngle() const { return std::atan2(root.x - tip.x, root.y - tip.y); }
};

namespace SceneReading {

enum Colour { OTHER, SNOW, ORANGE, GREEN, COLOUR_COUNT };

inline Colour colourOf(const unsigned char* p)
{
    const int r = p[0], g = p[1], b = p[2];
    if (r > 200 && g > 200 && b > 200 && b + 8 >= r)
        return SNOW;
    if (r > 200 && g > 90 && g < 175 && b < 90)
        return ORANGE;
    if (g > r + 40 && g > b + 40)
        return GREEN;
    return OTHER;
}

// Where the ground begins: the first row that is snow nearly all across.
inline int groundRow(const Picture& picture)
{
    for (int y = picture.height / 4; y < picture.height; ++y) {
        int snow = 0;
        for (int x = 0; x < picture.width; x += 4)
            snow += colourOf(picture.at(x, y)) == SNOW ? 1 : 0;
        if (snow * 4 >= picture.width * 9 / 10)
            return y;
    }
    return -1;
}

// A patch of one colour: its pixels (as indices) and their middle.
struct Patch {
    std::vector<int> pixels;
    Pixel middle;
    float left = 1e9f, right = -1e9f, top = 1e9f;
};

// The patches of each colour above the ground, 8-connected.
inline std::vector<std::vector<Patch> > patches(const Picture& picture, int rows)
{
    const int w = picture.width;
    std::vector<unsigned char> colour(static_cast<std::size_t>(w) * rows);
    for (int i = 0; i < w * rows; ++i)
        colour[i] = static_cast<unsigned char>(colourOf(&picture.rgb[static_cast<std::size_t>(i) * 3]));
    std::vector<std::vector<Patch> > found(COLOUR_COUNT);
    std::vector<int> stack;
    for (int start = 0; start < w * rows; ++start) {
        const int kind = colour[start];
        if (kind == OTHER)
            continue;
        Patch patch;
        stack.assign(1, start);
        colour[start] = OTHER;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            patch.pixels.push_back(at);
            const int x = at % w, y = at / w;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= rows || colour[ny * w + nx] != kind)
                        continue;
                    colour[ny * w + nx] = OTHER;
                    stack.push_back(ny * w + nx);
                }
        }
        for (int at : patch.pixels) {
            const float x = static_cast<float>(at % w), y = static_cast<float>(at / w);
            patch.middle.x += x;
            patch.middle.y += y;
            patch.left = std::fmin(patch.left, x);
            patch.right = std::fmax(patch.right, x);
            patch.top = std::fmin(patch.top, y);
        }
        patch.middle.x /= static_cast<float>(patch.pixels.size());
        patch.middle.y /= static_cast<float>(patch.pixels.size());
        found[kind].push_back(std::move(patch));
    }
    return found;
}

inline const Patch* largest(const std::vector<Patch>& some, std::size_t atLeast)
{
    const Patch* best = nullptr;
    for (const Patch& patch : some)
        if (patch.pixels.size() >= atLeast && (!best || patch.pixels.size() > best->pixels.size()))
            best = &patch;
    return best;
}

// The carrot: the biggest green patch and the orange patch nearest to it.
inline void findCarrot(const std::vector<std::vector<Patch> >& found, int width, Scene& scene)
{
    const float area = scene.scale * scene.scale;
    const Patch* leaves = largest(found[GREEN], static_cast<std::size_t>(12.0f * area) + 1);
    if (!leaves)
        return;
    const Patch* root = nullptr;
    for (const Patch& patch : found[ORANGE])
        if (patch.pixels.size() >= static_cast<std::size_t>(6.0f * area) + 1
            && distance(patch.middle, leaves->middle) < 80.0f * scene.scale
            && (!root || distance(patch.middle, leaves->middle) < distance(root->middle, leaves->middle)))
            root = &patch;
    if (!root)
        return;
    scene.carrot = true;
    scene.root = root->middle;
    scene.leaves = leaves->middle;
    float farthest = -1.0f;
    for (int at : leaves->pixels) {
        const Pixel p{static_cast<float>(at % width), static_cast<float>(at / width)};
        if (distance(p, scene.root) > farthest) {
            farthest = distance(p, scene.root);
            scene.tip = p;
        }
    }
}

inline void findSnowman(const std::vector<std::vector<Patch> >& found, Scene& scene)
{
    const Patch* body = largest(found[SNOW], static_cast<std::size_t>(150.0f * scene.scale * scene.scale));
    if (!body)
        return;
    scene.snowman = true;
    scene.body = body->middle;
    scene.left = body->left;
    scene.right = body->right;
    scene.top = body->top;
}

// The score's digits stand yellow in the top left corner; what they look like
// is enough to tell that they changed.
inline std::uint32_t scoreLook(const Picture& picture)
{
    std::uint32_t look = 2166136261u;
    for (int y = 0; y < picture.height / 5; ++y)
        for (int x = 0; x < picture.width / 2; ++x) {
            const unsigned char* p = picture.at(x, y);
            if (p[0] > 200 && p[1] > 200 && p[0] > p[2] + 25)
                look = (look ^ static_cast<std::uint32_t>(y * picture.width + x)) * 16777619u;
        }
    return look;
}

} // namespace SceneReading

inline Scene readScene(const Picture& picture, float time)
{
    using namespace SceneReading;
    Scene scene;
    scene.time = time;
    scene.scale = static_cast<float>(picture.width) / 640.0f;
    const int ground = groundRow(picture);
    if (ground < 0)
        return scene;
    scene.play = true;
    scene.groundY = static_cast<float>(ground);
    const std::vector<std::vector<Patch> > found = patches(picture, ground);
    findCarrot(found, picture.width, scene);
    findSnowman(found, scene);
    scene.scoreLook = scoreLook(picture);
    return scene;
}

} // namespace PlayThrough

#endif
