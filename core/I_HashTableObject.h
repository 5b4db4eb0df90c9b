#ifndef FRELMORY_CORE_I_HASHTABLEOBJECT_H
#define FRELMORY_CORE_I_HASHTABLEOBJECT_H

namespace Util {

// What an item of a Util::BasicHashTable must offer. Equal items hash equal.
class I_HashTableObject {
public:
    virtual ~I_HashTableObject() = default;

    // The 32-bit hash value; tables take it as unsigned.
    virtual int hash() const = 0;
    // Whether the other item, of the same concrete type, denotes the same key.
    virtual bool isEqual(const I_HashTableObject* other) const = 0;
};

} // namespace Util

#endif
