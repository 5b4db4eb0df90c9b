#ifndef FRELMORY_CORE_BASICSTOREITERATOR_H
#define FRELMORY_CORE_BASICSTOREITERATOR_H

#include "core/BasicStore.h"
#include "core/I_Iterator.h"

namespace Util {

// Walks the values of a BasicStore in key order. The store must outlive the
// iterator and must not gain or lose keys during the walk.
template <class K, class V>
class BasicStoreIterator : protected I_Iterator<V> {
public:
    explicit BasicStoreIterator(const BasicStore<K, V>* store) :
        m_store(store), m_pos(store->entries().begin()) {}

    void first() override { m_pos = m_store->entries().begin(); }

    void next() override {
        if (!isDone())
            ++m_pos;
    }

    bool isDone() const override { return m_pos == m_store->entries().end(); }

    // The value at the position, or the store's default once the walk is done.
    V currentItem() const override { return isDone() ? m_store->defaultValue() : m_pos->second; }

    virtual ~BasicStoreIterator() {}

private:
    const BasicStore<K, V>* m_store;
    typename BasicStore<K, V>::Entries::const_iterator m_pos;
};

} // namespace Util

#endif
