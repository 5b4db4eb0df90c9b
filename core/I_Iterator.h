#ifndef FRELMORY_CORE_I_ITERATOR_H
#define FRELMORY_CORE_I_ITERATOR_H

namespace Util {

// Uniform walk over a container: start with first(), loop until isDone(),
// read currentItem() and step with next().
template <class T>
class I_Iterator {
public:
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool isDone() const = 0;
    virtual T currentItem() const = 0;

protected:
    // Iterators are owned and deleted through their concrete type.
    virtual ~I_Iterator() {}
};

} // namespace Util

#endif
