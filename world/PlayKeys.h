#ifndef KWEP_PLAYKEYS_H
#define KWEP_PLAYKEYS_H

#include <cmath>
#include <initializer_list>
#include <string>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Sound.h"
#include "core/I_Random.h"
#include "core/PointsString.h"
#include "core/Vector3.h"
#include "shell/I_Game.h"

namespace KWEP {

// Small helpers shared by the play code: tuning keys of the main
// configuration, the game's random numbers and the play sound events.
namespace PlayKeys {

// A float key; 0 when missing, unreadable or beyond the float range: what
// comes from here may go to the physics, which takes finite values only.
inline float floatKey(const std::string& key)
{
    const float value = Util::strToNum<float>(CFG::get(key), 10, 0.0f);
    return std::isfinite(value) ? value : 0.0f;
}

// A decimal int key; the default when missing or unreadable.
inline int intKey(const std::string& key, int missing = 0)
{
    return Util::strToNum<int>(CFG::get(key), 10, missing);
}

// A point written x,y or x,y,z; missing components are 0, and so are those
// beyond the float range.
inline MathStuff::Vector3<float> pointKey(const std::string& key)
{
    MathStuff::Vector3<float> point =
        MathStuff::PointsString(0.0f, false).stringToPoint(Util::trim(CFG::get(key), Util::BLANKS));
    for (float* component : {&point.x, &point.y, &point.z})
        *component = std::isfinite(*component) ? *component : 0.0f;
    return point;
}

// A random number from the game's source; 0 without one.
inline float random()
{
    Game::I_Game* game = Game::I_Game::instance();
    RNG::I_Random* rng = game ? game->getRNG() : nullptr;
    return rng ? rng->getFloat() : 0.0f;
}

// A whole number from 0 to count - 1 drawn from the game's source. The source
// may answer 1 itself, which would give count.
inline int randomBelow(int count)
{
    if (count <= 0)
        return 0;
    const double drawn = static_cast<double>(random()) * count;
    if (!(drawn >= 0.0))
        return 0;
    return drawn >= count ? count - 1 : static_cast<int>(drawn);
}

inline bool isFinite(float value) { return std::isfinite(value); }

// The value, or 0 when it is not finite: for motions handed to the physics.
inline float finiteOr0(float value) { return std::isfinite(value) ? value : 0.0f; }

// Truncated toward zero, held to the int range; NaN gives 0.
inline int saturatingInt(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

// Raises the event for immediate delivery, or queued.
inline void raise(EVT::I_Event& event, bool queued = false) { EVT::EventBus::instance()->raiseEvent(&event, queued); }

// Plays the named effect with its own volume and pitch.
inline void raiseSound(const std::string& name, bool queued = false)
{
    EVT::Event_Sound sound(EVT::EVENT_SOUND, name, true, 0, 0);
    raise(sound, queued);
}

} // namespace PlayKeys

} // namespace KWEP

#endif
