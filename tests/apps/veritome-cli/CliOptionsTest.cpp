// Command-line parsing of the terminal front end.
#include <gtest/gtest.h>

#include "CliOptions.h"

namespace {

using cli::Mode;

cli::ParseResult parse(std::vector<std::string> args) {
    return cli::parseOptions(args);
}

TEST(CliOptions, DefaultsAreTheWindowsFirstStart) {
    cli::ParseResult r = parse({"file"});
    ASSERT_TRUE(r.ok);
    bool algorithms[12] = {true, false, false, true};  // CRC32, MD5
    for (int i = 0; i < 12; ++i) EXPECT_EQ(r.options.algorithms[i], algorithms[i]) << i;
    bool facts[5] = {true, true, false, true, true};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r.options.facts[i], facts[i]) << i;
    EXPECT_EQ(r.options.sizeType, 0);
    EXPECT_TRUE(r.options.comma);
}

TEST(CliOptions, AlgorithmNames) {
    struct Case {
        const char* name;
        int index;
    } cases[] = {{"Crc32", 0},  {"MD2", 1},       {"md4", 2},        {"Md5", 3},
                 {"sha1", 4},   {"SHA2_160", 4},  {"sha256", 5},     {"Sha2_384", 6},
                 {"sha512", 7}, {"ripemd128", 8}, {"Ripemd_160", 9}, {"ADLER32", 10},
                 {"gost", 11},  {"sha3", -1},     {"", -1}};
    for (const Case& c : cases) EXPECT_EQ(cli::algorithmByName(c.name), c.index) << c.name;
}

TEST(CliOptions, ParsesEveryForm) {
    cli::ParseResult r =
        parse({"-a", "sha256,Md5", "--algorithms=gost", "--fields", "Size", "--size-type=auto",
               "--no-comma", "--lang", "German", "--", "-x", "-"});
    ASSERT_TRUE(r.ok) << r.error;
    const auto& o = r.options;
    EXPECT_TRUE(o.algorithms[5] && o.algorithms[3] && o.algorithms[11]);
    EXPECT_FALSE(o.algorithms[0]);
    EXPECT_TRUE(o.facts[1]);
    EXPECT_FALSE(o.facts[0]);
    EXPECT_EQ(o.sizeType, 3);
    EXPECT_FALSE(o.comma);
    EXPECT_EQ(o.language, "German");
    EXPECT_EQ(o.files, (std::vector<std::string>{"-x", "-"}));

    r = parse({"--verify", "ABC", "--type", "sha2_256", "f"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.options.mode, Mode::Verify);
    EXPECT_EQ(r.options.algorithm, 5);
    r = parse({"-c", "sums.txt"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.options.mode, Mode::Check);
    r = parse({"--all", "f"});
    for (bool a : r.options.algorithms) EXPECT_TRUE(a);
}

// Short options bundle as with the usual tools: a dropped "c" would hash the list itself and
// pass without checking anything.
TEST(CliOptions, BundledShortOptions) {
    struct Case {
        std::vector<std::string> args;
        Mode mode;
        bool warn, recursive;
        std::vector<std::string> files;
        int onlyAlgorithm;  // -1: the defaults
    } cases[] = {
        {{"-wc", "SUMS"}, Mode::Check, true, false, {"SUMS"}, -1},
        {{"-rc", "SUMS"}, Mode::Check, false, true, {"SUMS"}, -1},
        {{"-cw"}, Mode::Check, true, false, {"-"}, -1},
        {{"-rasha256", "f"}, Mode::Calculate, false, true, {"f"}, 5},
        {{"-ra", "md5", "f"}, Mode::Calculate, false, true, {"f"}, 3},
        {{"-hr"}, Mode::Help, false, true, {}, -1},
    };
    for (const Case& c : cases) {
        cli::ParseResult r = parse(c.args);
        ASSERT_TRUE(r.ok) << c.args[0] << ": " << r.error;
        EXPECT_EQ(r.options.mode, c.mode) << c.args[0];
        EXPECT_EQ(r.options.warn, c.warn) << c.args[0];
        EXPECT_EQ(r.options.recursive, c.recursive) << c.args[0];
        EXPECT_EQ(r.options.files, c.files) << c.args[0];
        if (c.onlyAlgorithm < 0) continue;
        for (int a = 0; a < 12; ++a) EXPECT_EQ(r.options.algorithms[a], a == c.onlyAlgorithm);
    }
}

TEST(CliOptions, RejectsWithAReason) {
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{},
                                               {"-a", "nope", "f"},
                                               {"-a"},
                                               {"--bogus", "f"},
                                               {"--size-type", "GB", "f"},
                                               {"--fields", "Colour", "f"},
                                               {"--print", "md5"},
                                               {"-wx", "SUMS"},
                                               {"-cSUMS"},
                                               {"--recursive=no", "f"},
                                               {"--quiet=1", "-c"}}) {
        cli::ParseResult r = parse(args);
        EXPECT_FALSE(r.ok) << args.size();
        EXPECT_FALSE(r.error.empty());
    }
}

}  // namespace
