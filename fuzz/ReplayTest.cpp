// Runs a fuzz target over every stored input of its folder under tests/data: the seeds, and the
// inputs that once made it fail (kept there as fixtures), so that a normal test run (under the
// sanitizers too) catches such a fault again without a fuzzing run.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

TEST(FuzzReplay, EveryStoredInputRunsCleanly) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(nullptr, nullptr);
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VERITOME_FUZZ_DATA)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size()),
                  0);
        ++count;
    }
    EXPECT_GT(count, 0u) << "no stored input in " << VERITOME_FUZZ_DATA;
}

}  // namespace
