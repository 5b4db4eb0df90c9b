#ifndef FRELMORY_CORE_UNIQUEID_H
#define FRELMORY_CORE_UNIQUEID_H

#include <cstdint>

namespace Util {

// A process-unique id drawn from one counter at construction. A copy draws a
// fresh id; assignment leaves the target's own id in place, so no two live
// objects ever share one. Ids are unsigned 32-bit values starting at 1.
template <typename T>
class UniqueID {
public:
    UniqueID() : m_id(nextID()) {}
    UniqueID(const UniqueID&) : m_id(nextID()) {}
    UniqueID& operator=(const UniqueID&) { return *this; }

    T getID() const { return m_id; }

    // Pre-increments the one process-wide counter and returns the new value.
    static T nextID() {
        static std::uint32_t l_prevID = 0;
        return static_cast<T>(++l_prevID);
    }

protected:
    // For objects that take a stored id back when they are read from a file;
    // the counter is not moved.
    void setID(T id) { m_id = id; }

private:
    T m_id;
};

} // namespace Util

#endif
