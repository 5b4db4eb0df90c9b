#ifndef FRELMORY_CORE_BASICHASHLINK_H
#define FRELMORY_CORE_BASICHASHLINK_H

namespace Util {

// The pool of chain links for one item type, shared by every table of that
// type. Links are made in blocks that are never given back; a freed link is
// the next one handed out.
template <typename T>
class BasicHashLink {
public:
    struct Link {
        T* item;     // null while the link is free or a bucket's sentinel
        Link* next;
    };

    // Built on first use; every table touches it in its constructor, so the
    // pool is destroyed after any static table of its item type.
    static BasicHashLink& instance() {
        static BasicHashLink l_instance;
        return l_instance;
    }

    virtual ~BasicHashLink() {}

    Link* getNewLink() {
        if (m_freeHead == nullptr)
            initFreeLinksBlock();
        Link* link = m_freeHead;
        m_freeHead = link->next;
        link->next = nullptr;
        return link;
    }

    void deleteLink(Link* link) {
        link->item = nullptr;
        link->next = m_freeHead;
        m_freeHead = link;
    }

    // Without force the block size only grows. Returns the size in force
    // before the call.
    long setBlockSize(long size, bool force) {
        const long previous = m_blockSize;
        if (size > 0 && size != m_blockSize && (size > m_blockSize || force)) {
            m_blockSize = size;
            if (m_freeHead == nullptr)
                initFreeLinksBlock();
        }
        return previous;
    }

    long getBlockSize() const { return m_blockSize; }

    // Makes one block of links the free list; called only when it is empty.
    void initFreeLinksBlock() {
        Link* block = new Link[m_blockSize];
        for (long i = 0; i < m_blockSize; ++i) {
            block[i].item = nullptr;
            block[i].next = (i + 1 < m_blockSize) ? &block[i + 1] : nullptr;
        }
        m_freeHead = block;
    }

    // From the sentinel on: the link whose next link holds an item equal to
    // the probe, or the last link of the chain.
    Link* getLinkBefore(Link* sentinel, const T* probe) const {
        Link* link = sentinel;
        while (link->next != nullptr && !probe->isEqual(link->next->item))
            link = link->next;
        return link;
    }

private:
    BasicHashLink() = default;
    BasicHashLink(const BasicHashLink&) = delete;
    BasicHashLink& operator=(const BasicHashLink&) = delete;

    Link* m_freeHead = nullptr;
    long m_blockSize = 1;
};

} // namespace Util

#endif
