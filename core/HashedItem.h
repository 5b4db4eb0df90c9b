#ifndef FRELMORY_CORE_HASHEDITEM_H
#define FRELMORY_CORE_HASHEDITEM_H

#include "core/I_HashTableObject.h"

namespace Util {

// The item type of the id registry: an id that hashes to itself.
template <typename T>
class HashedItem : public I_HashTableObject {
public:
    explicit HashedItem(T id) : m_id(id) {}

    int hash() const override { return static_cast<int>(m_id); }
    bool isEqual(const I_HashTableObject* other) const override {
        return static_cast<const HashedItem*>(other)->m_id == m_id;
    }

    T getID() const { return m_id; }

private:
    T m_id;
};

} // namespace Util

#endif
