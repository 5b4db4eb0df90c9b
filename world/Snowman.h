#ifndef KWEP_SNOWMAN_H
#define KWEP_SNOWMAN_H

#include <string>

#include "core/Vector3.h"
#include "physics/ChipmunkWorldItem.h"

namespace KWEP {

class World;

// The level's target. It counts down to its one rock throw (a delay that
// shortens level by level), and when it falls before the throw or loses a
// part it runs its end: a bonus for the time left, then the level-cleared
// event (36), after which it goes.
class Snowman : public Physics::ChipmunkWorldItem {
public:
    // The world is not owned.
    Snowman(Physics::ChipmunkItem* item, World* world);
    ~Snowman() override;

    void update(long ms) override;
    void draw(std::vector<MathStuff::Orientation<float> >& scratch) override;

    // Nothing to configure.
    virtual void setBossConfig(const std::string& config);
    // Milliseconds left until the throw; 0 or less once thrown.
    virtual int getThrowTimer() const;

    // Starts the end: level cleared after the delay, the bonus
    // SHOW_BONUS_TIMER before that.
    void startEnd(int delay);

private:
    void updateEnding(long ms);
    void showBonus();

    World* m_world;
    MathStuff::Vector3<float> m_bonusPosition;
    std::string m_bonusPrefix;
    bool m_ending;
    int m_endTimer;
    int m_bonusTimer;
    int m_throwTimer;
};

} // namespace KWEP

#endif
