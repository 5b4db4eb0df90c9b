#ifndef FRELMORY_CORE_BASICHASHTABLEITERATOR_H
#define FRELMORY_CORE_BASICHASHTABLEITERATOR_H

#include "core/BasicHashTable.h"

namespace Util {

// Walks every item of one table: bucket by bucket from index 0, each chain
// from its head. The table must not change during the walk.
template <typename T>
class BasicHashTableIterator {
public:
    typedef typename BasicHashTable<T>::Link Link;

    explicit BasicHashTableIterator(BasicHashTable<T>& table) : m_table(table) { reset(); }
    virtual ~BasicHashTableIterator() = default;

    // The next item, or null once every item has been returned.
    virtual T* operator()() {
        if (m_current == nullptr)
            return nullptr;
        if (m_current->next != nullptr) {
            m_current = m_current->next;
            return m_current->item;
        }
        for (++m_bucket; m_bucket < static_cast<unsigned long>(m_table.m_bucketCount); ++m_bucket) {
            Link* head = m_table.m_buckets[m_bucket].next;
            if (head != nullptr) {
                m_current = head;
                return head->item;
            }
        }
        m_current = nullptr;
        return nullptr;
    }

    virtual void reset() {
        m_bucket = 0;
        m_current = &m_table.m_buckets[0];
    }

    // Positions the walk on the stored item equal to the probe and returns
    // it; resets and returns null when there is none.
    virtual T* findAndInit(const T* probe) {
        if (probe != nullptr) {
            Link* before = BasicHashLink<T>::instance().getLinkBefore(m_table.chainHead(probe), probe);
            if (before->next != nullptr) {
                m_current = before->next;
                m_bucket = m_table.itemBucket(probe);
                return m_current->item;
            }
        }
        reset();
        return nullptr;
    }

private:
    BasicHashTable<T>& m_table;
    unsigned long m_bucket = 0;
    Link* m_current = nullptr;
};

} // namespace Util

#endif
