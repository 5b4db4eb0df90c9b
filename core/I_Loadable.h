#ifndef FRELMORY_CORE_I_LOADABLE_H
#define FRELMORY_CORE_I_LOADABLE_H

namespace Util {

// An object that is costly to get ready and is shared through an ObjectLoader:
// loadObject makes it ready, unloadObject releases what loading acquired.
// Both answer true when done.
class I_Loadable {
public:
    virtual bool loadObject() = 0;
    virtual bool unloadObject() = 0;

    virtual ~I_Loadable() {}
};

} // namespace Util

#endif
