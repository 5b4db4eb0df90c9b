#include <gtest/gtest.h>

#include "core/HashedID.h"
#include "core/I_Serializer.h"
#include "core/IDHashTable.h"
#include "core/SerializableUniqueID.h"
#include "core/UniqueID.h"

namespace {

typedef Util::IDHashTable<unsigned long> Registry;

struct Identified : virtual Util::HashedID<unsigned long> {};

struct StoredID : Util::SerializableUniqueID<unsigned long> {
    bool serialize(Util::I_Serializer*) const override { return true; }
    bool deserialize(Util::I_Serializer*) override { return true; }
    void restore(unsigned long id) { setStoredID(id); }
};

TEST(UniqueID, CounterStartsAtOneAndCopiesDrawTheNextId) {
    // An id type nothing else uses has a counter of its own, fresh here.
    Util::UniqueID<unsigned long long> first, second;
    Util::UniqueID<unsigned long long> copy(first);
    EXPECT_EQ(first.getID(), 1u);
    EXPECT_EQ(second.getID(), 2u);
    EXPECT_EQ(copy.getID(), 3u);
}

TEST(HashedID, LiveIdsAreRegisteredAndDeadOnesAreNot) {
    const long before = Registry::instance().entries();
    unsigned long deadID = 0;
    {
        Identified a;
        Identified b(a);
        EXPECT_EQ(b.getID(), a.getID() + 1);
        EXPECT_TRUE(Registry::instance().isAlive(a.getID()));
        EXPECT_TRUE(Registry::instance().isAlive(b.getID()));
        EXPECT_EQ(Registry::instance().entries(), before + 2);
        deadID = b.getID();
    }
    EXPECT_FALSE(Registry::instance().isAlive(deadID));
    EXPECT_EQ(Registry::instance().entries(), before);
    Identified later;
    EXPECT_GT(later.getID(), deadID);
    EXPECT_FALSE(Registry::instance().isAlive(later.getID() + 1000));
}

// Assignment used to copy the id: the registry then held one id twice and
// destroying the source unregistered the target.
TEST(HashedID, AssignmentKeepsEachObjectsOwnId) {
    Identified target;
    const unsigned long targetID = target.getID();
    {
        Identified source;
        target = source;
        EXPECT_EQ(target.getID(), targetID);
    }
    EXPECT_TRUE(Registry::instance().isAlive(targetID));

    StoredID stored, other;
    const unsigned long storedID = stored.getID();
    stored = other;
    EXPECT_EQ(stored.getID(), storedID);
    stored.restore(42);
    EXPECT_EQ(stored.getID(), 42u);
    EXPECT_FALSE(Registry::instance().isAlive(other.getID()));
}

} // namespace
