#ifndef KWEP_GAMESTUFF_H
#define KWEP_GAMESTUFF_H

#include <list>
#include <string>

namespace Physics { class ChipmunkItem; class ChipmunkWorldItem; }
namespace Stuff { class Spurt; }

namespace KWEP {

class World;

// The play state several parts share (the level number, the phrase generator
// of the carrot's explosion text) and the actions that put new things into
// the world: the level's snowman, its rock throw, the carrot's explosion and
// the explosion of one snowman part into score digits and snowballs.
//
// The throw and explosion tunings are read the first time their action runs
// and kept for the rest of the run; the snowman's place is read every time.
class GameStuff {
public:
    static int getLevelCount();
    static void setLevelCount(int level);
    // Not owned; null makes every explosion use the default text.
    static void setSpurter(Stuff::Spurt* spurter);

    // Places the level's snowman and raises 39.
    static void createSnowman(World* world);
    // Throws the rock from the snowman's last body at the target; the rock, or
    // null when none could be made.
    static Physics::ChipmunkWorldItem* makeMeteor(const Physics::ChipmunkItem* snowman, World* world);
    // The flying explosion text and the explosion item for the carrot (which
    // the caller removes); the explosion item, or null.
    static Physics::ChipmunkWorldItem* makeCarrotExplosion(const Physics::ChipmunkItem* carrot, World* world);
    // Scores the part, sends its score flying as digits and throws its
    // snowballs (owned by the world). The caller removes the part.
    static std::list<Physics::ChipmunkWorldItem*> explodeSnowmanBit(const std::string& bodyName,
                                                                    const Physics::ChipmunkItem* snowman,
                                                                    World* world, int score);

private:
    static int m_levelCount;
    static Stuff::Spurt* m_pSpurter;
};

} // namespace KWEP

#endif
