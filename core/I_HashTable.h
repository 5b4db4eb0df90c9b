#ifndef FRELMORY_CORE_I_HASHTABLE_H
#define FRELMORY_CORE_I_HASHTABLE_H

namespace Util {

// A table of item pointers; it owns the items only through clearAndDestroy.
template <typename T>
class I_HashTable {
public:
    virtual ~I_HashTable() = default;

    virtual long entries() const = 0;
    virtual void clear() = 0;
    virtual void clearAndDestroy() = 0;
    virtual T* find(const T* probe) const = 0;
    virtual T* insert(T* item) = 0;
    virtual T* remove(const T* probe) = 0;
};

} // namespace Util

#endif
