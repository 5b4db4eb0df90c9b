#ifndef CORE_CALLBACK2_H
#define CORE_CALLBACK2_H

namespace Util {

// A member-function callback held by value: one object (not owned) and one of
// its member functions taking two arguments. A virtual member function is
// dispatched as such. The object's class may be incomplete where the callback
// is stored, copied or called.
template <class T, class R, class A1, class A2>
class CallBack2 {
public:
    typedef R (T::*Method)(A1, A2);

    CallBack2() : object_(nullptr), method_(nullptr) {}
    CallBack2(T* object, Method method) : object_(object), method_(method) {}

    // Calls the method on the object. A callback without object or method
    // calls nothing and answers a default result.
    R operator()(A1 a1, A2 a2) const
    {
        if (object_ == nullptr || method_ == nullptr)
            return R();
        return (object_->*method_)(a1, a2);
    }

    T* getObject() const { return object_; }
    Method getMethod() const { return method_; }

private:
    T* object_;
    Method method_;
};

} // namespace Util

#endif
