#ifndef FRELMORY_CORE_TRIINDEX_H
#define FRELMORY_CORE_TRIINDEX_H

namespace MathStuff {

// One triangle of a point list, by the indices of its three corners.
struct TriIndex
{
    int a;
    int b;
    int c;
};

} // namespace MathStuff

#endif
