#ifndef FRELMORY_CORE_OBJECTLOADER_H
#define FRELMORY_CORE_OBJECTLOADER_H

#include <string>

#include "core/BasicHashLink.h"
#include "core/BasicHashTable.h"
#include "core/BasicHashTableIterator.h"
#include "core/I_HashTableObject.h"
#include "core/I_Loadable.h"
#include "core/NameHash.h"

namespace Util {

// Shares named objects of an I_Loadable type T between users: an object is
// registered once, loaded by its first use, counted per user and unloaded when
// its last user frees it. The loader owns the objects only on
// unloadAndDestroy(); otherwise they stay their registrant's.
template <typename T>
class ObjectLoader {
public:
    // One registered name with its use count and object.
    class LoadedObject : public I_HashTableObject {
    public:
        explicit LoadedObject(const std::string& name, T* object = nullptr) :
            name(name), useCount(0), object(object) {}

        int hash() const override { return nameHash(name); }
        bool isEqual(const I_HashTableObject* other) const override {
            return static_cast<const LoadedObject*>(other)->name == name;
        }

        // An object still in use is unloaded; it is never deleted here.
        ~LoadedObject() override {
            if (object && useCount != 0) {
                useCount = 0;
                object->unloadObject();
            }
        }

        std::string name;
        int useCount;
        T* object;

    private:
        LoadedObject(const LoadedObject&) = delete;
        LoadedObject& operator=(const LoadedObject&) = delete;
    };

    explicit ObjectLoader(long buckets) : m_table(nullptr) {
        BasicHashLink<LoadedObject>::instance().setBlockSize(200, false);
        m_table = new BasicHashTable<LoadedObject>(buckets);
    }

    virtual ~ObjectLoader() {
        unloadAll();
        delete m_table;
    }

    virtual long entries() const { return m_table->entries(); }

    // Unregisters every name; objects in use are unloaded, none is deleted.
    virtual void unloadAll() { m_table->clearAndDestroy(); }

    // Unloads the objects in use, deletes every registered object and
    // unregisters every name.
    virtual void unloadAndDestroy() {
        BasicHashTableIterator<LoadedObject> it(*m_table);
        for (LoadedObject* entry = it(); entry; entry = it()) {
            if (entry->object && entry->useCount != 0) {
                entry->useCount = 0;
                entry->object->unloadObject();
            }
            delete entry->object;
            entry->object = nullptr;
        }
        unloadAll();
    }

    // Registers the object with no users; a known name keeps its earlier
    // object, which is returned (the object passed in stays the caller's).
    virtual T* add(const std::string& name, T* object) {
        LoadedObject probe(name);
        if (LoadedObject* known = m_table->find(&probe))
            return known->object;
        m_table->insert(new LoadedObject(name, object));
        return object;
    }

    // Unregisters the name and hands its object (unloaded when it was in
    // use) to the caller; null when the name is unknown.
    virtual T* remove(const std::string& name) {
        LoadedObject probe(name);
        LoadedObject* entry = m_table->remove(&probe);
        if (!entry)
            return nullptr;
        T* object = entry->object;
        delete entry;
        return object;
    }

    virtual T* find(const std::string& name) const {
        LoadedObject* entry = lookup(name);
        return entry ? entry->object : nullptr;
    }

    // The object, loaded on its first use and counted; null when the name is
    // unknown, has no object or the load failed (nothing counted then).
    virtual T* use(const std::string& name) {
        LoadedObject* entry = lookup(name);
        if (!entry || !entry->object)
            return nullptr;
        if (entry->useCount == 0 && !entry->object->loadObject())
            return nullptr;
        ++entry->useCount;
        return entry->object;
    }

    // Releases one use and unloads at the last one. Null when the name is
    // unknown, has no object, has no users or its unload failed.
    virtual T* free(const std::string& name) {
        LoadedObject* entry = lookup(name);
        if (!entry || !entry->object || entry->useCount == 0)
            return nullptr;
        if (--entry->useCount > 0)
            return entry->object;
        return entry->object->unloadObject() ? entry->object : nullptr;
    }

private:
    ObjectLoader(const ObjectLoader&) = delete;
    ObjectLoader& operator=(const ObjectLoader&) = delete;

    LoadedObject* lookup(const std::string& name) const {
        LoadedObject probe(name);
        return m_table->find(&probe);
    }

    BasicHashTable<LoadedObject>* m_table; // owned
};

} // namespace Util

#endif
