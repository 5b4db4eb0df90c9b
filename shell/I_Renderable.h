#ifndef GAME_I_RENDERABLE_H
#define GAME_I_RENDERABLE_H

namespace Game {

// Anything that can draw itself now.
class I_Renderable {
public:
    virtual ~I_Renderable() {}
    virtual void render() = 0;
};

} // namespace Game

#endif
