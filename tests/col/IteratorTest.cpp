// Walking arrays with iterators, and reading them through a collection stream.
#include <gtest/gtest.h>

#include <vector>

#include "col/CollectionInputStream.h"
#include "col/_array/ArrayU08.h"
#include "col/_array/ArrayU32.h"
#include "col/_array/Iterator.h"

namespace {

using s::col::_array::ArrayU32;
using s::col::_array::Iterator;

std::vector<std::uint32_t> walkForward(Iterator* it) {
    std::vector<std::uint32_t> seen;
    while (it->hasNext()) seen.push_back(*static_cast<std::uint32_t*>(it->next()));
    it->release();
    return seen;
}

std::vector<std::uint32_t> walkBackward(Iterator* it) {
    std::vector<std::uint32_t> seen;
    while (it->hasPrevious()) seen.push_back(*static_cast<std::uint32_t*>(it->previous()));
    it->release();
    return seen;
}

TEST(Iterator, WalksBothWays) {
    ArrayU32* a = ArrayU32::create();
    for (std::uint32_t v : {10u, 20u, 30u, 40u}) a->appendOne(v);
    using V = std::vector<std::uint32_t>;
    EXPECT_EQ(walkForward(a->iterator()), (V{10, 20, 30, 40}));
    EXPECT_EQ(walkForward(a->iteratorAt(2)), (V{30, 40}));
    EXPECT_EQ(walkBackward(a->iteratorAtEnd()), (V{40, 30, 20, 10}));
    EXPECT_EQ(walkBackward(a->iteratorFromEnd(2)), (V{20, 10}));
    Iterator* it = a->iterator();
    EXPECT_EQ(it->index(), -1);
    it->setIndex(3);
    EXPECT_FALSE(it->hasNext());
    it->release();
    a->free();
    EXPECT_TRUE(walkForward(a->iterator()).empty());
    EXPECT_TRUE(walkBackward(a->iteratorAtEnd()).empty());
    a->release();
}

// Reads split elements across calls and deliver the bytes into the caller's buffer.
TEST(CollectionInputStream, DeliversElementBytesInOrder) {
    ArrayU32* a = ArrayU32::create();
    a->appendOne(0x04030201);
    a->appendOne(0x08070605);
    s::io::IInputStream* in = a->openInputStream();
    std::vector<std::uint8_t> got;
    std::uint8_t buffer[3];
    std::uint32_t n = 0;
    while (in->read(buffer, sizeof buffer, &n)) got.insert(got.end(), buffer, buffer + n);
    EXPECT_EQ(got, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));  // little-endian host
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(in->position(), 0);
    EXPECT_FALSE(in->seek(1));
    in->close();  // releases the iterator; the next read starts again
    ASSERT_TRUE(in->read(buffer, 1, &n));
    EXPECT_EQ(buffer[0], 1);
    in->closeAndRelease();
    a->release();
}

}  // namespace
