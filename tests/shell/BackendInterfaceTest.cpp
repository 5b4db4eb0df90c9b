#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeDisplayableModel.h"
#include "shell/I_ModelFile.h"
#include "shell/I_ModelMaker.h"
#include "shell/NullSoundController.h"

namespace {

// Records the paths it is asked for and whether it was deleted through its base.
class RecordingModelFile : public Model::I_ModelFile {
public:
    RecordingModelFile(std::vector<std::string>& paths, bool& deleted) : m_paths(paths), m_deleted(deleted) {}
    ~RecordingModelFile() override { m_deleted = true; }
    bool load(const char* path, std::vector<Model::Model*>*) override
    {
        m_paths.push_back(path);
        return m_paths.size() == 1;
    }

private:
    std::vector<std::string>& m_paths;
    bool& m_deleted;
};

class PlainModelMaker : public Model::I_ModelMaker {
public:
    using Model::I_ModelMaker::I_ModelMaker;
    bool load(const char*, std::vector<Model::I_DisplayableModel*>*) override { return false; }
};

} // namespace

TEST(ModelMaker, BuildsPathsPassesAnswersAndDeletesItsLoader)
{
    std::vector<std::string> paths;
    bool deleted = false;
    {
        PlainModelMaker maker("", ".dmf", new RecordingModelFile(paths, deleted));
        std::vector<Model::Model*> out;
        EXPECT_TRUE(maker.callLoader("Font_Big", &out));
        EXPECT_FALSE(maker.callLoader("x", &out));
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"/Font_Big.dmf", "/x.dmf"}));
    EXPECT_TRUE(deleted);
}

TEST(ModelMaker, WithoutLoaderNothingLoads)
{
    PlainModelMaker maker("models", ".dmf", nullptr);
    std::vector<Model::Model*> out;
    EXPECT_FALSE(maker.callLoader("a", &out));
}

TEST(DisplayableModel, NamesItsDataOrFallsBack)
{
    TestSupport::FakeDisplayableModel named("A");
    EXPECT_EQ(named.getName(), "A");

    class Bare : public Model::I_DisplayableModel {
    public:
        Bare() : Model::I_DisplayableModel(nullptr) {}
        void display(const MathStuff::Orientation<float>*) override {}
        void display(const std::vector<MathStuff::Orientation<float> >&) override {}
    } bare;
    EXPECT_EQ(bare.getName(), "NO_MODEL_POINTER");
    EXPECT_EQ(bare.getModelData(), nullptr);
}

TEST(NullSoundController, AcceptsSetUpAndNeverPlays)
{
    Sound::NullSoundController sound;
    EXPECT_TRUE(sound.init());
    EXPECT_TRUE(sound.addSource(1, true));
    EXPECT_TRUE(sound.load(2, "missing.ogg"));
    sound.play(1, 2, 100, 100);
    EXPECT_FALSE(sound.isPlaying(1));
}
