#ifndef FRELMORY_CORE_I_SERIALIZABLE_H
#define FRELMORY_CORE_I_SERIALIZABLE_H

namespace Util {

class I_Serializer;

// An object that writes and reads its own fields, in its own order, through
// a serialiser.
class I_Serializable {
public:
    virtual ~I_Serializable() = default;

    virtual bool serialize(I_Serializer* serializer) const = 0;
    virtual bool deserialize(I_Serializer* serializer) = 0;

    // The header is one untagged word written before the object's fields.
    virtual bool serializeWithHeader(I_Serializer* serializer, const char* header) const;
    // Reads and skips the header line whatever it holds, then the fields.
    virtual bool deserializeWithHeader(I_Serializer* serializer, const char* header);
};

} // namespace Util

#endif
