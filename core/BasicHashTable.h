#ifndef FRELMORY_CORE_BASICHASHTABLE_H
#define FRELMORY_CORE_BASICHASHTABLE_H

#include <cstdint>

#include "core/BasicHashLink.h"
#include "core/I_HashTable.h"
#include "core/I_HashTableObject.h"

namespace Util {

template <typename T>
class BasicHashTableIterator;

// Chained hash table of item pointers with links from the pool of T. A new
// item goes to the head of its chain, so of several equal items the newest
// is found and removed first. No rehashing: the bucket count is fixed.
template <typename T>
class BasicHashTable : public I_HashTable<T> {
public:
    typedef typename BasicHashLink<T>::Link Link;

    explicit BasicHashTable(long buckets)
        : m_bucketCount(buckets > 0 ? buckets : 1),
          m_buckets(new Link[m_bucketCount]()),
          m_entries(0) {
        BasicHashLink<T>::instance();
    }

    ~BasicHashTable() override {
        clearTable(false);
        delete[] m_buckets;
    }

    long entries() const override { return m_entries; }
    void clear() override { clearTable(false); }
    void clearAndDestroy() override { clearTable(true); }

    T* find(const T* probe) const override {
        Link* before = BasicHashLink<T>::instance().getLinkBefore(chainHead(probe), probe);
        return before->next != nullptr ? before->next->item : nullptr;
    }

    T* insert(T* item) override {
        Link* link = BasicHashLink<T>::instance().getNewLink();
        link->item = item;
        Link* head = chainHead(item);
        link->next = head->next;
        head->next = link;
        ++m_entries;
        return item;
    }

    T* remove(const T* probe) override {
        BasicHashLink<T>& pool = BasicHashLink<T>::instance();
        Link* before = pool.getLinkBefore(chainHead(probe), probe);
        Link* found = before->next;
        if (found == nullptr)
            return nullptr;
        T* item = found->item;
        before->next = found->next;
        pool.deleteLink(found);
        --m_entries;
        return item;
    }

    virtual std::uint32_t itemBucket(const T* item) const {
        return static_cast<std::uint32_t>(item->hash()) %
               static_cast<std::uint32_t>(m_bucketCount);
    }

    virtual Link* chainHead(const T* item) const { return &m_buckets[itemBucket(item)]; }

    // Unlinks every item, deleting each when destroy is set; the table stays
    // usable.
    virtual void clearTable(bool destroy) {
        BasicHashLink<T>& pool = BasicHashLink<T>::instance();
        for (long i = 0; i < m_bucketCount; ++i) {
            Link* link = m_buckets[i].next;
            m_buckets[i].next = nullptr;
            while (link != nullptr) {
                if (destroy)
                    delete link->item;
                Link* next = link->next;
                pool.deleteLink(link);
                --m_entries;
                link = next;
            }
        }
    }

    long bucketCount() const { return m_bucketCount; }

private:
    friend class BasicHashTableIterator<T>;

    BasicHashTable(const BasicHashTable&) = delete;
    BasicHashTable& operator=(const BasicHashTable&) = delete;

    long m_bucketCount;
    Link* m_buckets; // sentinels: item always null, next is the chain
    long m_entries;
};

} // namespace Util

#endif
