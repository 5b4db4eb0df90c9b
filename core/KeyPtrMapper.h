#ifndef FRELMORY_CORE_KEYPTRMAPPER_H
#define FRELMORY_CORE_KEYPTRMAPPER_H

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace Util {

// Maps keys to typed pointers: for each key it remembers where a value of a
// given type lives, never the value itself. One key may be registered under
// several types, each with its own pointer; a get never falls back to another
// type. The values are not owned: whoever registers a pointer keeps the value
// alive as long as the mapper is used.
template <class Key, class Compare = std::less<Key> >
class KeyPtrMapper {
public:
    KeyPtrMapper() : m_impl(new Impl) {}
    ~KeyPtrMapper() { delete m_impl; }

    KeyPtrMapper(const KeyPtrMapper&) = delete;
    KeyPtrMapper& operator=(const KeyPtrMapper&) = delete;

    // Registers the pointer under the key, replacing an earlier pointer of the
    // same type (whose value is left alone). A null pointer registers the key
    // with no value, which a get cannot tell from an absent key.
    void addBoolPtr(const Key& key, bool* p) { m_impl->bools[key] = p; }
    void addIntPtr(const Key& key, int* p) { m_impl->ints[key] = p; }
    void addUIntPtr(const Key& key, unsigned int* p) { m_impl->uints[key] = p; }
    void addULongPtr(const Key& key, unsigned long* p) { m_impl->ulongs[key] = p; }
    void addFloatPtr(const Key& key, float* p) { m_impl->floats[key] = p; }
    void addStringPtr(const Key& key, std::string* p) { m_impl->strings[key] = p; }

    // The pointer registered under the key for that type; null when none.
    bool* getBoolPtr(const Key& key) const { return find(m_impl->bools, key); }
    int* getIntPtr(const Key& key) const { return find(m_impl->ints, key); }
    unsigned int* getUIntPtr(const Key& key) const { return find(m_impl->uints, key); }
    unsigned long* getULongPtr(const Key& key) const { return find(m_impl->ulongs, key); }
    float* getFloatPtr(const Key& key) const { return find(m_impl->floats, key); }
    std::string* getStringPtr(const Key& key) const { return find(m_impl->strings, key); }

private:
    template <class T>
    using PtrMap = std::map<Key, T*, Compare>;

    // One map per pointee type. The long and string-list maps complete the
    // set of types the options may use; nothing registers them yet.
    struct Impl {
        PtrMap<int> ints;
        PtrMap<unsigned int> uints;
        PtrMap<long> longs;
        PtrMap<unsigned long> ulongs;
        PtrMap<float> floats;
        PtrMap<bool> bools;
        PtrMap<std::string> strings;
        PtrMap<std::vector<std::string> > stringLists;
    };

    template <class T>
    static T* find(const PtrMap<T>& map, const Key& key)
    {
        typename PtrMap<T>::const_iterator it = map.find(key);
        return it == map.end() ? nullptr : it->second;
    }

    Impl* m_impl;
};

} // namespace Util

#endif
