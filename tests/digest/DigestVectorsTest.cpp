// Runs every vector of tests/data/digest/*.vec ([Name] sections of hex In, optional Repeat,
// and Out) through the digester of that name, fed in every way the hash job and other callers
// may feed it, and re-used after finish, reset and release.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "digest/Digesters.h"

namespace digesttest {
namespace {

struct Vector {
    std::string section;
    std::string where;  // file:line of the Out line
    std::vector<std::uint8_t> input;
    bool repeated = false;
    std::string expected;
};

std::vector<std::uint8_t> fromHex(const std::string& text) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        out.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    }
    return out;
}

std::vector<Vector> loadVectors() {
    std::vector<Vector> all;
    const std::filesystem::path folder = std::filesystem::path(VERITOME_TEST_DATA) / "digest";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".vec") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file);
        std::string line, section;
        Vector next;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.empty() || line[0] == '#') continue;
            if (line[0] == '[') {
                section = line.substr(1, line.find(']') - 1);
                continue;
            }
            const auto eq = line.find('=');
            const std::string key = line.substr(0, line.find_first_of(" =")),
                              value = eq + 2 <= line.size() ? line.substr(eq + 2) : "";
            if (key == "In") {
                next = Vector{section, "", fromHex(value), false, ""};
            } else if (key == "Repeat") {
                // Doubling copies: a million-byte input costs twenty copies, not a million.
                const std::size_t unit = next.input.size(), total = unit * std::stoul(value);
                next.input.resize(total);
                for (std::size_t filled = unit; filled < total; filled *= 2) {
                    std::memcpy(next.input.data() + filled, next.input.data(),
                                std::min(filled, total - filled));
                }
                next.repeated = true;
            } else if (key == "Out") {
                next.expected = value;
                next.where = file.filename().string() + ":" + std::to_string(number);
                all.push_back(next);
            }
        }
    }
    return all;
}

const std::vector<Vector>& vectors() {
    static const std::vector<Vector> all = loadVectors();
    return all;
}

class DigestVectors : public ::testing::TestWithParam<std::size_t> {};

TEST(DigestVectorFiles, CoverEveryAlgorithm) {
    for (const Algorithm& a : algorithms()) {
        const auto count = std::count_if(vectors().begin(), vectors().end(),
                                         [&](const Vector& v) { return v.section == a.name; });
        EXPECT_GE(count, 3) << a.name;
    }
}

TEST_P(DigestVectors, MatchInEveryFeedingPattern) {
    const Vector& v = vectors()[GetParam()];
    const Algorithm& a = algorithm(v.section);
    SCOPED_TRACE(v.where);
    // A copy one to seven bytes past an aligned start, so no block load can assume alignment.
    std::vector<std::uint8_t> storage(v.input.size() + 16);
    std::uint8_t* data = storage.data() + 1 + GetParam() % 7;
    if (!v.input.empty()) std::memcpy(data, v.input.data(), v.input.size());
    const std::size_t size = v.input.size();

    forEachImplementation(a.name, [&](const char* implementation) {
        SCOPED_TRACE(implementation);
        IDigester* d = make(a);
        d->update(data, static_cast<std::uint32_t>(size));
        EXPECT_EQ(finishText(d), v.expected) << "one piece";

        d->reset();  // re-use after finish
        feedPieces(d, data, size, [] { return 16384; });
        EXPECT_EQ(finishText(d), v.expected) << "16384-byte pieces";

        d->reset();
        std::mt19937 rng(static_cast<unsigned>(GetParam()));
        feedPieces(d, data, size, randomPieces(rng, v.repeated ? 70000 : 200));
        EXPECT_EQ(finishText(d), v.expected) << "random pieces";

        if (!v.repeated) {
            d->reset();
            feedPieces(d, data, size, [] { return 1; });
            EXPECT_EQ(finishText(d), v.expected) << "1-byte pieces";
        }

        // Given back half-fed, then taken again: the pool hands out an initial digester.
        d->reset();
        d->update(data, static_cast<std::uint32_t>(size / 2));
        d->release();
        d = make(a);
        std::uint8_t out[64];
        d->update(data, static_cast<std::uint32_t>(size));
        d->finish(out);
        std::string raw = hex(out, static_cast<std::size_t>(a.digestSize));
        if (a.blockSize == 1) {  // a checksum is one native word; its text is the number
            std::uint32_t value;
            std::memcpy(&value, out, 4);
            const std::uint8_t bigEndian[4] = {std::uint8_t(value >> 24), std::uint8_t(value >> 16),
                                               std::uint8_t(value >> 8), std::uint8_t(value)};
            raw = hex(bigEndian, 4);
        }
        EXPECT_EQ(raw, v.expected) << "finish into the caller's buffer after a pool round trip";
        d->release();
    });
}

std::string vectorName(const ::testing::TestParamInfo<std::size_t>& info) {
    const Vector& v = vectors()[info.param];
    std::string where = v.where;
    for (char& c : where) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return v.section + "_" + where;
}

INSTANTIATE_TEST_SUITE_P(All, DigestVectors, ::testing::Range<std::size_t>(0, vectors().size()),
                         vectorName);

}  // namespace
}  // namespace digesttest
