#ifndef FRELMORY_CORE_HASHEDID_H
#define FRELMORY_CORE_HASHEDID_H

#include "core/HashedItem.h"
#include "core/IDHashTable.h"
#include "core/UniqueID.h"

namespace Util {

// A unique id registered in the id registry for as long as the object lives.
// Inherit it as a public virtual base so an object has exactly one id.
// Copies draw and register a new id; assignment keeps the target's own id.
template <typename T>
class HashedID : public UniqueID<T> {
public:
    HashedID() { enlist(); }
    HashedID(const HashedID& other) : UniqueID<T>(other) { enlist(); }
    HashedID& operator=(const HashedID&) { return *this; }

    virtual ~HashedID() {
        const HashedItem<T> probe(this->getID());
        delete IDHashTable<T>::instance().remove(&probe);
    }

private:
    void enlist() { IDHashTable<T>::instance().insert(new HashedItem<T>(this->getID())); }
};

} // namespace Util

#endif
