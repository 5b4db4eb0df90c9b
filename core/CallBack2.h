#ifndef FRELMORY_CORE_CALLBACK2_H
#define FRELMORY_CORE_CALLBACK2_H

namespace Util {

// A member-function callback held by value: one object (not owned) and one of
// its member functions taking two arguments. A virtual member function is
// dispatched as such. The object's class may be incomplete where the callback
// is stored, copied or called.
template <class T, class R, class A1, class A2>
class CallBack2 {
public:
    typedef R (T::*Method)(A1, A2);

    CallBack2() : m_object(nullptr), m_method(nullptr) {}
    CallBack2(T* object, Method method) : m_object(object), m_method(method) {}

    // Calls the method on the object. A callback without object or method
    // calls nothing and answers a default result.
    R operator()(A1 a1, A2 a2) const
    {
        if (m_object == nullptr || m_method == nullptr)
            return R();
        return (m_object->*m_method)(a1, a2);
    }

private:
    T* m_object;
    Method m_method;
};

} // namespace Util

#endif
