// The split of the digesters over two threads and the ring between them.
#include "file/gui/dialogs/filehash/DigestFeeder.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "digest/IDigester.h"
#include "platform/Processors.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// Rough cycles per byte on a current x86-64 core; only the ratios matter.
struct Cost {
    const char16_t* typeName;
    double cyclesPerByte;
};
constexpr Cost kCosts[] = {
    {u"s_digest_crc32_Crc32", 0.1},      {u"s_digest_adler32_Adler32", 0.1},
    {u"s_digest_md5_Md2", 40.0},         {u"s_digest_md5_Md4", 1.5},
    {u"s_digest_md5_Md5", 4.5},          {u"s_digest_sha_Sha160", 1.5},
    {u"s_digest_sha_Sha256", 2.0},       {u"s_digest_sha_Sha384", 5.5},
    {u"s_digest_sha_Sha512", 5.5},       {u"s_digest_ripemd_Ripemd128", 3.5},
    {u"s_digest_ripemd_Ripemd160", 5.5}, {u"s_digest_gost_Gost", 30.0},
};

// Below this cost of the lighter group a second thread does not pay for its hand-offs.
constexpr double kParallelThreshold = 1.4;

bool sameName(const char16_t* a, const char16_t* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

}  // namespace

double DigestFeeder::costOf(const digest::IDigester* digester) {
    for (const Cost& cost : kCosts) {
        if (sameName(cost.typeName, digester->typeName())) return cost.cyclesPerByte;
    }
    return 1.0;
}

DigestFeeder::DigestFeeder(digest::IDigester** digesters, int count) {
    // Greedy split: heaviest first, each to the lighter group; each group keeps list order.
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return costOf(digesters[a]) > costOf(digesters[b]); });
    std::vector<bool> toHelper(count, false);
    double ownCost = 0, helperCost = 0;
    for (int i : order) {
        if (ownCost <= helperCost) {
            ownCost += costOf(digesters[i]);
        } else {
            helperCost += costOf(digesters[i]);
            toHelper[i] = true;
        }
    }
    bool parallel = platform::usableCores() > 1 && std::min(ownCost, helperCost) >= kParallelThreshold;
    if (parallel) {
        for (int i = 0; i < count; ++i) {
            if (toHelper[i]) helped_.push_back(digesters[i]);
        }
        ring_.resize(kRingSlots);
        for (Slot& slot : ring_) slot.bytes = PageBuffer(kMaxBlock);
        try {
            helper_ = std::thread(&DigestFeeder::helperLoop, this);
        } catch (const std::system_error&) {
            // Out of threads: one thread feeds them all.
            parallel = false;
            helped_.clear();
            ring_.clear();
        }
    }
    for (int i = 0; i < count; ++i) {
        if (!parallel || !toHelper[i]) own_.push_back(digesters[i]);
    }
}

DigestFeeder::~DigestFeeder() {
    finishFeeding();
}

void DigestFeeder::update(const std::uint8_t* data, std::uint32_t count) {
    if (count == 0) return;
    if (isParallel()) {
        Slot* slot;
        {
            std::unique_lock lock(mutex_);
            // Wait only when the helper is a whole ring behind.
            changed_.wait(lock, [&] { return produced_ - consumed_ < kRingSlots; });
            slot = &ring_[produced_ % kRingSlots];
        }
        std::memcpy(slot->bytes.get(), data, count);
        slot->count = count;
        {
            std::lock_guard lock(mutex_);
            ++produced_;
        }
        changed_.notify_all();
    }
    for (digest::IDigester* d : own_) d->update(data, count);
}

void DigestFeeder::finishFeeding() {
    if (!isParallel()) return;
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    helper_.join();
}

void DigestFeeder::helperLoop() {
    std::uint64_t next = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return produced_ > next || closing_; });
            if (produced_ == next) return;  // closing and drained
        }
        const Slot& slot = ring_[next % kRingSlots];
        for (digest::IDigester* d : helped_) d->update(slot.bytes.get(), slot.count);
        {
            std::lock_guard lock(mutex_);
            consumed_ = ++next;
        }
        changed_.notify_all();
    }
}

}  // namespace s::file::gui::dialogs::filehash
