#ifndef FRELMORY_CORE_IDHASHTABLE_H
#define FRELMORY_CORE_IDHASHTABLE_H

#include "core/BasicHashTable.h"
#include "core/HashedItem.h"

namespace Util {

// The registry of live ids. Code that kept a (pointer, id) pair trusts the
// pointer only while isAlive(id) holds.
template <typename T>
class IDHashTable : public BasicHashTable<HashedItem<T> > {
public:
    // Built on first use. The link pool is completed inside this constructor,
    // so it is destroyed after the registry, whose destructor gives the links
    // back to it.
    static IDHashTable& instance() {
        static IDHashTable l_instance;
        return l_instance;
    }

    ~IDHashTable() override {}

    bool isAlive(T id) const {
        const HashedItem<T> probe(id);
        return this->find(&probe) != nullptr;
    }

private:
    IDHashTable() : BasicHashTable<HashedItem<T> >(1009) {
        BasicHashLink<HashedItem<T> >::instance().setBlockSize(1, false);
    }
};

} // namespace Util

#endif
