#include "core/I_Serializable.h"

#include <string>

#include "core/I_Serializer.h"

namespace Util {

bool I_Serializable::serializeWithHeader(I_Serializer* serializer, const char* header) const {
    if (serializer == nullptr || header == nullptr)
        return false;
    return serializer->putString(header, nullptr) && serialize(serializer);
}

bool I_Serializable::deserializeWithHeader(I_Serializer* serializer, const char* /*header*/) {
    if (serializer == nullptr)
        return false;
    std::string scratch;
    return serializer->getString(scratch, nullptr) && deserialize(serializer);
}

} // namespace Util
