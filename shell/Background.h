#ifndef GAME_BACKGROUND_H
#define GAME_BACKGROUND_H

#include <string>

#include "shell/I_RenderViaEvent.h"

namespace Game {

class I_Game;

// A full picture from a TGA file, centred in the view and drawn as plain pixels
// through the render controller on every render event while one is held. The
// game root makes the one background and owns it.
class Background : public I_RenderViaEvent {
public:
    // The game (not owned) gives the render controller.
    explicit Background(I_Game* game);
    ~Background() override;

    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    // Replaces the picture by the file's, centred in the current view. False,
    // with no picture held, for an unreadable file, a depth other than 24 or 32
    // bits, or a picture wider than the view.
    virtual bool load(const std::string& file);
    virtual void unload();
    // Draws the picture, if one is held, with its lower-left corner at (x, y).
    void render() override;

    bool isLoaded() const { return m_pixels != nullptr; }
    int getX() const { return m_x; }
    int getY() const { return m_y; }

private:
    I_Game* m_game;
    unsigned char* m_pixels; // R, G, B, A per pixel, bottom row first; new[]
    unsigned int m_width;
    unsigned int m_height;
    int m_x;
    int m_y;
};

} // namespace Game

#endif
