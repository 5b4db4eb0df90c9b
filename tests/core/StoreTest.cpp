#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/BasicStore.h"
#include "core/NamePtrStore.h"

namespace {

// Counts its own deletions so ownership can be checked.
struct Tracked {
    explicit Tracked(int* deaths) : deaths(deaths) {}
    ~Tracked() { ++*deaths; }
    int* deaths;
};

} // namespace

TEST(BasicStore, AnswersMissingKeysWithTheDefault) {
    Util::BasicStore<std::string, int> store(-1);
    EXPECT_EQ(-1, store.find("x"));
    store.add("x", 7);
    store.add("x", 9);
    EXPECT_EQ(9, store.find("x"));
    EXPECT_EQ(1u, store.entries().size());
    EXPECT_EQ(9, store.remove("x"));
    EXPECT_EQ(-1, store.remove("x"));
    EXPECT_EQ(-1, store.find("x"));
}

TEST(BasicStore, IteratorWalksValuesInKeyOrder) {
    Util::BasicStore<std::string, int> store(-1);
    EXPECT_TRUE(store.getIterator()->isDone());

    store.add("b", 2);
    store.add("a", 1);
    store.add("c", 3);
    Util::BasicStore<std::string, int>::IteratorHandle it = store.getIterator();
    std::vector<int> seen;
    for (; !it->isDone(); it->next())
        seen.push_back(it->currentItem());
    EXPECT_EQ((std::vector<int>{1, 2, 3}), seen);
    EXPECT_EQ(-1, it->currentItem());
    it->next();
    EXPECT_TRUE(it->isDone());
    it->first();
    EXPECT_EQ(1, it->currentItem());

    store.clear();
    EXPECT_TRUE(store.getIterator()->isDone());
}

TEST(NamePtrStore, RefusesToReplaceAndDeletesOnDestroy) {
    int deaths = 0;
    Util::NamePtrStore<Tracked> store("SpurtRuleSet");
    Tracked* x = new Tracked(&deaths);
    Tracked y(&deaths);
    EXPECT_EQ(x, store.add("n", x));
    EXPECT_EQ(x, store.add("n", &y));
    EXPECT_EQ(x, store.get("n"));
    EXPECT_TRUE(store.exists("n"));
    EXPECT_TRUE(store.destroy("n"));
    EXPECT_EQ(1, deaths);
    EXPECT_FALSE(store.destroy("n"));
    EXPECT_EQ(nullptr, store.get("n"));
    EXPECT_FALSE(store.exists("n"));

    EXPECT_EQ(nullptr, store.add("null", nullptr));
    EXPECT_FALSE(store.exists("null"));
    EXPECT_TRUE(store.entries().empty());
}

TEST(NamePtrStore, ClearAndDestructionDeleteHeldObjectsButRemoveHandsBack) {
    int deaths = 0;
    Tracked* kept = new Tracked(&deaths);
    {
        Util::NamePtrStore<Tracked> store("s");
        store.add("a", new Tracked(&deaths));
        store.add("b", new Tracked(&deaths));
        store.clear();
        EXPECT_EQ(2, deaths);
        EXPECT_TRUE(store.entries().empty());

        store.add("c", new Tracked(&deaths));
        store.add("d", kept);
        EXPECT_EQ(kept, store.remove("d"));
    }
    EXPECT_EQ(3, deaths);
    delete kept;
}

TEST(NamePtrStore, PairIteratorYieldsNamesAndObjects) {
    int deaths = 0;
    Util::NamePtrStore<Tracked> store("s");
    Tracked* b = store.add("b", new Tracked(&deaths));
    Tracked* a = store.add("a", new Tracked(&deaths));
    Util::NamePtrStore<Tracked>::PairIteratorHandle it = store.getPairIterator();
    std::vector<std::pair<std::string, Tracked*>> seen;
    for (; !it->isDone(); it->next())
        seen.push_back(it->currentItem());
    EXPECT_EQ((std::vector<std::pair<std::string, Tracked*>>{{"a", a}, {"b", b}}), seen);
    EXPECT_EQ(std::make_pair(std::string(), static_cast<Tracked*>(nullptr)), it->currentItem());
}
