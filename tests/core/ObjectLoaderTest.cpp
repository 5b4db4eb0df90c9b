#include <gtest/gtest.h>

#include "core/ObjectLoader.h"

namespace {

// Counts loads, unloads and deletions; its load and unload answers are set by
// the test.
class Counted : public Util::I_Loadable {
public:
    explicit Counted(int* deaths = nullptr) : deaths(deaths) {}
    ~Counted() override {
        if (deaths)
            ++*deaths;
    }
    bool loadObject() override {
        ++loads;
        return loadResult;
    }
    bool unloadObject() override {
        ++unloads;
        return unloadResult;
    }

    int loads = 0, unloads = 0;
    bool loadResult = true, unloadResult = true;
    int* deaths;
};

typedef Util::ObjectLoader<Counted> Loader;

} // namespace

TEST(ObjectLoader, LoadsOnFirstUseAndUnloadsOnLastFree) {
    Loader loader(109);
    Counted tex;
    ASSERT_EQ(&tex, loader.add("tex", &tex));
    EXPECT_EQ(0, tex.loads);
    EXPECT_EQ(&tex, loader.use("tex"));
    EXPECT_EQ(&tex, loader.use("tex"));
    EXPECT_EQ(1, tex.loads);
    EXPECT_EQ(&tex, loader.free("tex"));
    EXPECT_EQ(0, tex.unloads);
    EXPECT_EQ(&tex, loader.free("tex"));
    EXPECT_EQ(1, tex.unloads);
    EXPECT_EQ(nullptr, loader.free("tex")); // no users left
    EXPECT_EQ(1, tex.unloads);
    EXPECT_EQ(&tex, loader.use("tex")); // loads again
    EXPECT_EQ(2, tex.loads);
    EXPECT_EQ(&tex, loader.find("tex"));
    EXPECT_EQ(&tex, loader.free("tex"));
}

TEST(ObjectLoader, ReportsFailedLoadsUnloadsAndUnknownNames) {
    Loader loader(5);
    Counted bad;
    bad.loadResult = false;
    loader.add("bad", &bad);
    EXPECT_EQ(nullptr, loader.use("bad"));
    EXPECT_EQ(nullptr, loader.use("bad"));
    EXPECT_EQ(2, bad.loads);
    EXPECT_EQ(nullptr, loader.free("bad")); // never counted
    EXPECT_EQ(0, bad.unloads);

    Counted sticky;
    sticky.unloadResult = false;
    loader.add("sticky", &sticky);
    loader.use("sticky");
    EXPECT_EQ(nullptr, loader.free("sticky"));
    EXPECT_EQ(nullptr, loader.free("sticky")); // count is 0 either way
    EXPECT_EQ(1, sticky.unloads);

    loader.add("empty", nullptr);
    EXPECT_EQ(nullptr, loader.use("empty"));
    EXPECT_EQ(nullptr, loader.free("empty"));
    for (const char* unknown : {"", "nope"}) {
        EXPECT_EQ(nullptr, loader.find(unknown));
        EXPECT_EQ(nullptr, loader.use(unknown));
        EXPECT_EQ(nullptr, loader.free(unknown));
        EXPECT_EQ(nullptr, loader.remove(unknown));
    }
    EXPECT_EQ(3, loader.entries());
}

TEST(ObjectLoader, AddKeepsTheFirstObjectAndRemoveHandsItBackUnloaded) {
    Loader loader(109);
    Counted first, second;
    loader.add("m", &first);
    EXPECT_EQ(&first, loader.add("m", &second));
    EXPECT_EQ(1, loader.entries());
    loader.use("m");
    loader.use("m");
    EXPECT_EQ(&first, loader.remove("m"));
    EXPECT_EQ(1, first.unloads);
    EXPECT_EQ(0, loader.entries());
    EXPECT_EQ(nullptr, loader.find("m"));
}

TEST(ObjectLoader, UnloadAndDestroyUnloadsObjectsInUseAndDeletesAll) {
    // Counters that outlive the objects the loader deletes.
    struct Outliving : Counted {
        Outliving(int* deaths, int* unloadsSeen) : Counted(deaths), unloadsSeen(unloadsSeen) {}
        bool unloadObject() override {
            ++*unloadsSeen;
            return true;
        }
        int* unloadsSeen;
    };
    int deaths = 0, idleUnloads = 0, busyUnloads = 0;
    Loader loader(1009);
    loader.add("idle", new Outliving(&deaths, &idleUnloads));
    loader.add("busy", new Outliving(&deaths, &busyUnloads));
    loader.use("busy");
    loader.unloadAndDestroy();
    EXPECT_EQ(0, idleUnloads);
    EXPECT_EQ(1, busyUnloads);
    EXPECT_EQ(2, deaths);
    EXPECT_EQ(0, loader.entries());
}

TEST(ObjectLoader, DestructionUnloadsObjectsInUseWithoutDeletingThem) {
    Counted kept;
    {
        Loader loader(109);
        loader.add("kept", &kept);
        loader.use("kept");
    }
    EXPECT_EQ(1, kept.unloads);
}
