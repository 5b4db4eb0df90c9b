#ifndef FRELMORY_CORE_SERIALIZABLEUNIQUEID_H
#define FRELMORY_CORE_SERIALIZABLEUNIQUEID_H

#include "core/I_Serializable.h"
#include "core/UniqueID.h"

namespace Util {

// A unique id that is written with its object and takes the stored value
// back when the object is read. Not registered anywhere; a value read back
// does not move the id counter, so it may equal an id handed out later.
template <typename T>
class SerializableUniqueID : public virtual UniqueID<T>, public virtual I_Serializable {
protected:
    // For the owner's deserialize: replaces the id with the stored value.
    void setStoredID(T id) { this->setID(id); }
};

} // namespace Util

#endif
