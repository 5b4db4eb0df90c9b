#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CmdLineParser.h"

namespace {

// An owner whose handlers record what they were given and how often they ran.
struct Owner {
    typedef Util::CmdLineParser<Owner> Parser;

    int fov(Parser* p) {
        ++calls;
        order.push_back("fov");
        std::vector<float> v;
        bool ok = p->getNext(v, 1);
        floats.insert(floats.end(), v.begin(), v.end());
        return ok ? 0 : 3;
    }

    int name(Parser* p) {
        ++calls;
        order.push_back("name");
        bool ok = p->getNext(words, 2);
        return ok ? 0 : 5;
    }

    int refuse(Parser*) {
        ++calls;
        order.push_back("refuse");
        return 7;
    }

    int calls = 0;
    std::vector<std::string> order;
    std::vector<float> floats;
    std::vector<std::string> words;
};

struct Args {
    explicit Args(std::vector<std::string> tokens) : text(std::move(tokens)) {
        for (std::string& t : text)
            ptrs.push_back(&t[0]);
        ptrs.push_back(nullptr);
        argc = static_cast<int>(text.size());
    }

    std::vector<std::string> left() const {
        std::vector<std::string> out;
        for (int i = 0; i < argc; ++i)
            out.push_back(ptrs[i]);
        EXPECT_EQ(nullptr, ptrs[argc]);
        return out;
    }

    std::vector<std::string> text;
    std::vector<char*> ptrs;
    int argc;
};

typedef std::vector<std::string> Words;

} // namespace

TEST(CmdLineParser, HandlesFlagsInTableOrderAndWritesBackLeftovers) {
    const Owner::Parser::Flag table[] = {
        {"--fov", &Owner::fov}, {"--name", &Owner::name}, {nullptr, nullptr}};
    const struct {
        Words args;
        int result;
        std::vector<std::string> order;
        Words left;
    } cases[] = {
        {{"prog", "file.cfg", "--fov", "40"}, 0, {"fov"}, {"prog", "file.cfg"}},
        {{"prog", "--name", "a", "b", "--fov", "2.5"}, 0, {"fov", "name"}, {"prog"}},
        {{"prog", "--fov", "1", "--fov", "2"}, 0, {"fov"}, {"prog", "--fov", "2"}},
        {{"prog", "--fovx", "1"}, 0, {}, {"prog", "--fovx", "1"}},
        {{"prog", "--name", "a", "--name", "x"}, 0, {"name"}, {"prog", "x"}},
        // A flag standing last has no value: the handler fails, nothing is rewritten.
        {{"prog", "x", "--fov"}, 3, {"fov"}, {"prog", "x", "--fov"}},
        {{"prog", "--fov", "1", "--name", "only"},
         5,
         {"fov", "name"},
         {"prog", "--fov", "1", "--name", "only"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.size());
        Owner owner;
        Args args(c.args);
        Owner::Parser parser;
        EXPECT_EQ(c.result, parser.parse(owner, table, &args.argc, args.ptrs.data()));
        EXPECT_EQ(c.order, owner.order);
        EXPECT_EQ(c.left, args.left());
    }
}

TEST(CmdLineParser, GetNextConvertsAndConsumesWhatIsThere) {
    const Owner::Parser::Flag table[] = {
        {"--fov", &Owner::fov}, {"--name", &Owner::name}, {nullptr, nullptr}};
    Owner owner;
    Args args({"prog", "--fov", "40", "--name", "two words"});
    Owner::Parser parser;
    EXPECT_EQ(5, parser.parse(owner, table, &args.argc, args.ptrs.data()));
    EXPECT_EQ(std::vector<float>{40.0f}, owner.floats);
    EXPECT_EQ(Words{"two"}, owner.words);

    Owner bad;
    Args nonNumber({"prog", "--fov", "abc"});
    EXPECT_EQ(0, parser.parse(bad, table, &nonNumber.argc, nonNumber.ptrs.data()));
    EXPECT_EQ(std::vector<float>{0.0f}, bad.floats);
    EXPECT_EQ(Words{"prog"}, nonNumber.left());
}

TEST(CmdLineParser, StopsAtFirstFailureAndAtTableEnd) {
    const Owner::Parser::Flag failing[] = {
        {"-r", &Owner::refuse}, {"--fov", &Owner::fov}, {nullptr, nullptr}};
    Owner owner;
    Args args({"prog", "--fov", "1", "-r"});
    Owner::Parser parser;
    EXPECT_EQ(7, parser.parse(owner, failing, &args.argc, args.ptrs.data()));
    EXPECT_EQ(1, owner.calls);
    EXPECT_EQ((Words{"prog", "--fov", "1", "-r"}), args.left());

    const Owner::Parser::Flag empty[] = {{nullptr, &Owner::refuse}, {"--fov", &Owner::fov}};
    Owner idle;
    EXPECT_EQ(0, parser.parse(idle, empty, &args.argc, args.ptrs.data()));
    EXPECT_EQ(0, idle.calls);
    EXPECT_EQ((Words{"prog", "--fov", "1", "-r"}), args.left());

    std::vector<int> none;
    EXPECT_TRUE(parser.getNext(none, 0));
    EXPECT_FALSE(parser.getNext(none, 1));
}
