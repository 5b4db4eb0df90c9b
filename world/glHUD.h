#ifndef KWEP_GLHUD_H
#define KWEP_GLHUD_H

#include "core/Vector3.h"
#include "shell/I_HUD.h"

namespace Text3D { class Font; class TextRenderer; }

namespace KWEP {

class World;

// The head-up display of play: the score, zero-padded to SCORE_NUM_DIGITS at
// SCORE_POS, and the snowman's throw countdown in whole seconds, padded to
// TIMER_NUM_DIGITS at TIMER_POS, as 3-D text. Its letters are world items, so
// the positions are world coordinates seen through the play camera.
class glHUD : public Game::I_HUD {
public:
    glHUD();
    ~glHUD() override;

    // On redraws the score; off clears the texts.
    void setOn(bool on) override;
    void renderHUD() override;
    // Not owned.
    virtual void setWorld(World* world);
    // Not owned; a new text renderer is made for it.
    virtual void setFont(Text3D::Font* font);
    // Redraws the score; the timer follows at the next drawing.
    virtual void setScore(int score);

protected:
    // The renderer the texts go to; owned by the HUD.
    virtual Text3D::TextRenderer* createRenderer(const Text3D::Font* font);

private:
    void showTimer(int seconds);

    int m_score;
    MathStuff::Vector3<float> m_scorePosition;
    int m_scoreDigits;
    MathStuff::Vector3<float> m_timerPosition;
    int m_timerDigits;
    int m_shownSeconds; // -1: the timer must be drawn again
    World* m_world;
    Text3D::TextRenderer* m_renderer;
};

} // namespace KWEP

#endif
