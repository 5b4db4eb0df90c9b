#ifndef KWEP_GLHUD_H
#define KWEP_GLHUD_H

#include <string>

#include "core/Vector3.h"
#include "shell/I_HUD.h"
#include "world/HUDView.h"

namespace Text3D { class Font; class TextObject; class TextRenderer; }

namespace KWEP {

class World;

// The head-up display of play: the score, zero-padded to SCORE_NUM_DIGITS at
// SCORE_POS, and the snowman's throw countdown in whole seconds, padded to
// TIMER_NUM_DIGITS at TIMER_POS, as 3-D text. Its letters are world items seen
// through the play camera, so the HUD places them anew whenever the field of
// view, the window or the camera changes: the positions are the first
// letter's centre in percent of the window from its top left corner, and a
// digit stands HUD_TEXT_HEIGHT percent of the window's height tall.
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
    void followView();
    Text3D::TextObject* show(const MathStuff::Vector3<float>& position, const std::string& text);

    int m_score;
    MathStuff::Vector3<float> m_scorePosition;
    int m_scoreDigits;
    MathStuff::Vector3<float> m_timerPosition;
    int m_timerDigits;
    float m_textHeight; // percent of the window's height
    HUDView m_view;
    int m_shownSeconds; // -1: the timer must be drawn again
    World* m_world;
    Text3D::TextRenderer* m_renderer;
};

} // namespace KWEP

#endif
