#ifndef FRELMORY_CORE_GENERICHANDLER_H
#define FRELMORY_CORE_GENERICHANDLER_H

#include "core/BasicHashLink.h"
#include "core/BasicHashTable.h"
#include "core/I_HashTableObject.h"

namespace Util {

// Dispatches an argument to the functor registered under a key, falling back to
// a default functor and then to a default result. The handler owns clones of
// every functor it is given; callers keep and free their own.
template <typename Key, typename Arg, typename Result>
class GenericHandler {
public:
    class I_Functor {
    public:
        virtual ~I_Functor() {}
        virtual Result operator()(Arg arg) = 0;
        // A heap copy that the receiver owns.
        virtual I_Functor* clone() const = 0;
    };

    // One key with its owned functor (which may be none).
    class KeyMapping : public I_HashTableObject {
    public:
        KeyMapping(const Key& key, I_Functor* functor) : m_key(key), m_functor(functor) {}
        ~KeyMapping() override { delete m_functor; }

        int hash() const override { return static_cast<int>(m_key); }
        // The table holds key mappings only.
        bool isEqual(const I_HashTableObject* other) const override {
            return static_cast<const KeyMapping*>(other)->m_key == m_key;
        }

        I_Functor* getFunctor() const { return m_functor; }
        void setFunctor(I_Functor* functor) {
            delete m_functor;
            m_functor = functor;
        }

    private:
        KeyMapping(const KeyMapping&) = delete;
        KeyMapping& operator=(const KeyMapping&) = delete;

        Key m_key;
        I_Functor* m_functor;
    };

    GenericHandler() : m_defaultResult(), m_table(nullptr), m_defaultFunctor(nullptr) {
        BasicHashLink<KeyMapping>::instance().setBlockSize(200, false);
        m_table = new BasicHashTable<KeyMapping>(1009);
    }

    virtual ~GenericHandler() {
        delete m_defaultFunctor;
        m_table->clearAndDestroy();
        delete m_table;
    }

    // Maps the key to a clone of the functor (to none when it is null),
    // releasing what the key mapped to before.
    void registerHandler(const Key& key, I_Functor* functor) {
        I_Functor* copy = functor ? functor->clone() : nullptr;
        KeyMapping probe(key, nullptr);
        KeyMapping* mapping = m_table->find(&probe);
        if (mapping)
            mapping->setFunctor(copy);
        else
            m_table->insert(new KeyMapping(key, copy));
    }

    void setDefaultHandler(I_Functor* functor) {
        delete m_defaultFunctor;
        m_defaultFunctor = functor ? functor->clone() : nullptr;
    }

    // The functor mapped to the key; null when there is none.
    I_Functor* getFunctorPtr(const Key& key) const {
        KeyMapping probe(key, nullptr);
        KeyMapping* mapping = m_table->find(&probe);
        return mapping ? mapping->getFunctor() : nullptr;
    }

    // Runs the key's functor, else the default functor, else answers the
    // default result.
    Result execute(const Key& key, Arg arg) {
        I_Functor* functor = getFunctorPtr(key);
        if (!functor)
            functor = m_defaultFunctor;
        return functor ? (*functor)(arg) : m_defaultResult;
    }

private:
    GenericHandler(const GenericHandler&) = delete;
    GenericHandler& operator=(const GenericHandler&) = delete;

    const Result m_defaultResult;
    BasicHashTable<KeyMapping>* m_table; // owned; 1009 buckets
    I_Functor* m_defaultFunctor;         // owned clone or null
};

} // namespace Util

#endif
