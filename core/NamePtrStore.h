#ifndef FRELMORY_CORE_NAMEPTRSTORE_H
#define FRELMORY_CORE_NAMEPTRSTORE_H

#include <string>

#include "core/BasicStore.h"

namespace Util {

template <class T>
class NamePtrStoreIterator;

// A store of named objects that it owns: it refuses to replace an object
// already held and deletes its objects on destroy(), clear() and destruction.
template <class T>
class NamePtrStore : public BasicStore<std::string, T*> {
public:
    typedef BasicStore<std::string, T*> Base;
    typedef std::unique_ptr<NamePtrStoreIterator<T>> PairIteratorHandle;

    explicit NamePtrStore(const std::string& name) : Base(nullptr), m_name(name) {}

    ~NamePtrStore() override { clear(); }

    // Deletes every object still held, then forgets every name.
    void clear() override {
        typename Base::IteratorHandle it = this->getIterator();
        for (; !it->isDone(); it->next())
            delete it->currentItem();
        Base::clear();
    }

    virtual bool exists(const std::string& name) const { return this->find(name) != nullptr; }

    virtual T* get(const std::string& name) { return this->find(name); }

    // Stores the object unless the name already holds one; returns the object
    // the store keeps under the name (the caller's object when that was stored,
    // the earlier one when it was refused, null when null was passed).
    virtual T* add(const std::string& name, T* object) {
        T* held = get(name);
        if (held)
            return held;
        if (object)
            Base::add(name, object);
        return object;
    }

    // Deletes the object stored under the name; true when one was deleted.
    virtual bool destroy(const std::string& name) {
        T* object = Base::remove(name);
        delete object;
        return object != nullptr;
    }

    virtual PairIteratorHandle getPairIterator() const {
        return PairIteratorHandle(new NamePtrStoreIterator<T>(this));
    }

    const std::string& getName() const { return m_name; }

private:
    std::string m_name;
};

} // namespace Util

#include "core/NamePtrStoreIterator.h"

#endif
