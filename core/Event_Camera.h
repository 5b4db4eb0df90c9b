#ifndef FRELMORY_CORE_EVENT_CAMERA_H
#define FRELMORY_CORE_EVENT_CAMERA_H

#include "core/I_Event.h"
#include "core/Orientation.h"
#include "core/Vector3.h"

namespace EVT {

// The camera for the next render pass: the four parts of an orientation.
class Event_Camera : public I_Event {
public:
    Event_Camera(int id, const MathStuff::Orientation<float>& camera)
        : I_Event(id), position(camera.position), direction(camera.direction),
          up(camera.up), scale(camera.scale) {}
    Event_Camera(int id, const MathStuff::Vector3<float>& position,
                 const MathStuff::Vector3<float>& direction,
                 const MathStuff::Vector3<float>& up, const MathStuff::Vector3<float>& scale)
        : I_Event(id), position(position), direction(direction), up(up), scale(scale) {}

    I_Event* clone() const override { return new Event_Camera(*this); }

    MathStuff::Orientation<float> getOrientation() const {
        return MathStuff::Orientation<float>(position, direction, up, scale);
    }

    MathStuff::Vector3<float> position;
    MathStuff::Vector3<float> direction;
    MathStuff::Vector3<float> up;
    MathStuff::Vector3<float> scale;
};

} // namespace EVT

#endif
