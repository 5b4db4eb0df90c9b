#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/BasicHashTable.h"
#include "core/BasicHashTableIterator.h"
#include "core/NameHash.h"

namespace {

// An integer-keyed item that counts its own destructions.
struct KeyItem : Util::I_HashTableObject {
    KeyItem(int key, int* deaths = nullptr) : key(key), deaths(deaths) {}
    ~KeyItem() override {
        if (deaths)
            ++*deaths;
    }
    int hash() const override { return key; }
    bool isEqual(const Util::I_HashTableObject* other) const override {
        return static_cast<const KeyItem*>(other)->key == key;
    }
    int key;
    int* deaths;
};

// A type of its own, so its link pool starts fresh in this test.
struct PoolItem : KeyItem {
    using KeyItem::KeyItem;
};

TEST(NameHash, MatchesTheSignFilledFoldOverSignedBytes) {
    struct Case {
        std::string name;
        int hash;
    } cases[] = {
        {"", 0},
        {"abc", 26499},
        {"\xFF", 15},
        {"zzzzzzzz", 572663242},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Util::nameHash(c.name), c.hash) << c.name;
    EXPECT_EQ(static_cast<unsigned>(Util::nameHash("abc")) % 1009u, 265u);
}

TEST(BasicHashTable, NewestOfEqualItemsIsFoundAndRemovedFirst) {
    Util::BasicHashTable<KeyItem> table(109);
    KeyItem older(5), newer(5), probe(5), absent(6);
    table.insert(&older);
    table.insert(&newer);
    EXPECT_EQ(table.entries(), 2);
    EXPECT_EQ(table.find(&probe), &newer);
    EXPECT_EQ(table.remove(&probe), &newer);
    EXPECT_EQ(table.find(&probe), &older);
    EXPECT_EQ(table.remove(&absent), nullptr);
    EXPECT_EQ(table.entries(), 1);
    table.clear();
}

TEST(BasicHashTable, ClearKeepsItemsAndClearAndDestroyDeletesThem) {
    int deaths = 0;
    Util::BasicHashTable<KeyItem> table(7);
    KeyItem kept(1, &deaths);
    table.insert(&kept);
    table.clear();
    EXPECT_EQ(table.entries(), 0);
    EXPECT_EQ(deaths, 0);

    table.insert(new KeyItem(2, &deaths));
    table.insert(new KeyItem(9, &deaths));
    table.clearAndDestroy();
    EXPECT_EQ(table.entries(), 0);
    EXPECT_EQ(deaths, 2);

    KeyItem again(3);
    EXPECT_EQ(table.insert(&again), &again);
    EXPECT_EQ(table.find(&again), &again);
    table.clear();
}

TEST(BasicHashLink, BlocksGrowOnlyUnlessForcedAndFreedLinksComeBackFirst) {
    typedef Util::BasicHashLink<PoolItem> Pool;
    Pool& pool = Pool::instance();
    EXPECT_EQ(pool.setBlockSize(200, false), 1);

    // One block of 200 links: handed out in array order, the 201st is new.
    std::vector<Pool::Link*> links;
    for (int i = 0; i < 201; ++i)
        links.push_back(pool.getNewLink());
    for (int i = 1; i < 200; ++i)
        ASSERT_EQ(links[i], links[i - 1] + 1);
    EXPECT_NE(links[200], links[199] + 1);

    pool.deleteLink(links[7]);
    pool.deleteLink(links[3]);
    EXPECT_EQ(pool.getNewLink(), links[3]);
    EXPECT_EQ(pool.getNewLink(), links[7]);

    EXPECT_EQ(pool.setBlockSize(100, false), 200);
    EXPECT_EQ(pool.getBlockSize(), 200);
    EXPECT_EQ(pool.setBlockSize(100, true), 200);
    EXPECT_EQ(pool.getBlockSize(), 100);
    EXPECT_EQ(pool.setBlockSize(0, true), 100);
    EXPECT_EQ(pool.getBlockSize(), 100);
    for (Pool::Link* link : links)
        pool.deleteLink(link);
}

TEST(BasicHashTableIterator, WalksBucketsUpwardEachChainNewestFirst) {
    Util::BasicHashTable<KeyItem> table(10);
    Util::BasicHashTableIterator<KeyItem> empty(table);
    EXPECT_EQ(empty(), nullptr);

    KeyItem a(3), b(7), c(13);
    table.insert(&a);
    table.insert(&b);
    table.insert(&c);
    Util::BasicHashTableIterator<KeyItem> walk(table);
    EXPECT_EQ(walk(), &c);
    EXPECT_EQ(walk(), &a);
    EXPECT_EQ(walk(), &b);
    EXPECT_EQ(walk(), nullptr);
    EXPECT_EQ(walk(), nullptr);

    KeyItem probe(3), absent(4);
    EXPECT_EQ(walk.findAndInit(&probe), &a);
    EXPECT_EQ(walk(), &b);
    EXPECT_EQ(walk.findAndInit(&absent), nullptr);
    EXPECT_EQ(walk(), &c);
    table.clear();
}

} // namespace
