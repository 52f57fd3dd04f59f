// Feeding on two threads gives the same codes as feeding one digester at a time.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "FakeJobView.h"
#include "file/gui/dialogs/filehash/DigestFeeder.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "platform/Processors.h"

namespace {

std::string codeOf(s::digest::IDigester* d) {
    d->finish(nullptr);
    StrBuffer* text = d->toText(nullptr, false);
    std::string out = utf8Of(text);
    text->release();
    return out;
}

TEST(DigestFeederThreads, SplitFeedingEqualsSequentialFeeding) {
    std::mt19937 random(12345);
    std::vector<std::uint8_t> data(300000);
    for (auto& b : data) b = static_cast<std::uint8_t>(random());

    constexpr int n = fh::HashAlgorithms::kCount;
    s::digest::IDigester* split[n];
    for (int a = 0; a < n; ++a) split[a] = fh::HashAlgorithms::newDigester(a);
    {
        fh::DigestFeeder feeder(split, n);
        if (platform::usableCores() > 1) {
            EXPECT_TRUE(feeder.isParallel());
        }
        // Blocks of random sizes (zero included), never more than one block at a time.
        std::size_t at = 0;
        while (at < data.size()) {
            std::uint32_t count =
                std::min<std::uint32_t>(random() % (fh::DigestFeeder::kMaxBlock + 1),
                                        static_cast<std::uint32_t>(data.size() - at));
            feeder.update(data.data() + at, count);
            at += count;
        }
        feeder.finishFeeding();
    }
    for (int a = 0; a < n; ++a) {
        s::digest::IDigester* whole = fh::HashAlgorithms::newDigester(a);
        whole->update(data.data(), static_cast<std::uint32_t>(data.size()));
        EXPECT_EQ(codeOf(split[a]), codeOf(whole)) << a;
        whole->release();
        split[a]->release();
    }
}

TEST(DigestFeederThreads, CheapListsStayOnOneThread) {
    s::digest::IDigester* list[2] = {fh::HashAlgorithms::newDigester(0),    // CRC-32
                                     fh::HashAlgorithms::newDigester(10)};  // Adler-32
    fh::DigestFeeder feeder(list, 2);
    EXPECT_FALSE(feeder.isParallel());
    for (auto* d : list) d->release();
}

}  // namespace
