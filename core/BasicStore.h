#ifndef FRELMORY_CORE_BASICSTORE_H
#define FRELMORY_CORE_BASICSTORE_H

#include <map>
#include <memory>

namespace Util {

template <class K, class V>
class BasicStoreIterator;

// Ordered key/value store that answers a missing key with a default value fixed
// at construction. It owns its entries but never what pointer values point to.
template <class K, class V>
class BasicStore {
public:
    typedef std::map<K, V> Entries;
    typedef std::unique_ptr<BasicStoreIterator<K, V>> IteratorHandle;

    explicit BasicStore(const V& defaultValue) : m_entries(), m_default(defaultValue) {}
    virtual ~BasicStore() {}

    // The stored value, or a copy of the default when the key is missing.
    virtual V find(const K& key) const {
        typename Entries::const_iterator it = m_entries.find(key);
        return it == m_entries.end() ? m_default : it->second;
    }

    // Inserts the key or replaces its value.
    virtual void add(const K& key, const V& value) { m_entries[key] = value; }

    // Erases the key and returns what it held; the default when it was missing.
    virtual V remove(const K& key) {
        typename Entries::iterator it = m_entries.find(key);
        if (it == m_entries.end())
            return m_default;
        V value = it->second;
        m_entries.erase(it);
        return value;
    }

    virtual void clear() { m_entries.clear(); }

    // A new iterator over the values in key order; the handle deletes it.
    virtual IteratorHandle getIterator() const { return IteratorHandle(new BasicStoreIterator<K, V>(this)); }

    const Entries& entries() const { return m_entries; }
    const V& defaultValue() const { return m_default; }

private:
    Entries m_entries;
    V m_default;
};

} // namespace Util

#include "core/BasicStoreIterator.h"

#endif
