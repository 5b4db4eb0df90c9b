#ifndef FRELMORY_CORE_DELETEIT_H
#define FRELMORY_CORE_DELETEIT_H

namespace Util {

// Deletes a pointee; run over a container of owned pointers, then clear it:
//   std::for_each(v.begin(), v.end(), Util::DeleteIt<Item*>()); v.clear();
// The element itself is not reset.
template <typename P>
struct DeleteIt
{
    void operator()(P pointer) const
    {
        if (pointer) delete pointer;
    }
};

} // namespace Util

#endif
