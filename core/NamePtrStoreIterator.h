#ifndef FRELMORY_CORE_NAMEPTRSTOREITERATOR_H
#define FRELMORY_CORE_NAMEPTRSTOREITERATOR_H

#include <string>
#include <utility>

#include "core/I_Iterator.h"
#include "core/NamePtrStore.h"

namespace Util {

// Walks the (name, object) pairs of a NamePtrStore in name order.
template <class T>
class NamePtrStoreIterator : protected I_Iterator<std::pair<std::string, T*>> {
public:
    typedef std::pair<std::string, T*> Item;

    explicit NamePtrStoreIterator(const NamePtrStore<T>* store) :
        m_store(store), m_pos(store->entries().begin()) {}

    void first() override { m_pos = m_store->entries().begin(); }

    void next() override {
        if (!isDone())
            ++m_pos;
    }

    bool isDone() const override { return m_pos == m_store->entries().end(); }

    // The pair at the position, or ("", null) once the walk is done.
    Item currentItem() const override {
        return isDone() ? Item(std::string(), nullptr) : Item(m_pos->first, m_pos->second);
    }

    virtual ~NamePtrStoreIterator() {}

private:
    const NamePtrStore<T>* m_store;
    typename NamePtrStore<T>::Entries::const_iterator m_pos;
};

} // namespace Util

#endif
