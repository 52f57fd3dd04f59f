// Picture decoding: the embedded logo and icons decode at their sizes, and damaged pictures are
// refused (or decoded as far as they go) without ending the program.
#include "platform/image/ImageCodec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Resources.h"

namespace {

using platform::findResource;
using platform::Resource;
using platform::image::decodeJpeg;
using platform::image::decodePng;
using platform::window::Picture;

std::vector<std::uint8_t> bytesOf(const Resource& r) {
    return std::vector<std::uint8_t>(r.data, r.data + r.size);
}

TEST(ImageCodecTest, EmbeddedPicturesDecodeAtTheirSizes) {
    struct Case {
        std::uint32_t number;
        std::int32_t width, height;
    };
    for (const Case& c : {Case{131, 700, 230}, Case{132, 230, 700}}) {
        const Resource r = findResource("IDR_JPG", c.number);
        ASSERT_TRUE(r) << c.number;
        Picture p;
        std::string error;
        ASSERT_TRUE(decodeJpeg(r.data, r.size, &p, &error)) << error;
        EXPECT_EQ(p.width(), c.width);
        EXPECT_EQ(p.height(), c.height);
        const std::uint32_t corner = p.colourAt(2, 2);  // white background, give or take
        for (int shift : {0, 8, 16}) EXPECT_GE((corner >> shift) & 0xFF, 0xF0u) << c.number;
        EXPECT_EQ(p.argbAt(0, 0) >> 24, 0xFFu);  // opaque
    }
    for (std::int32_t side : {16, 32, 48, 64, 128, 256}) {
        const Resource r = findResource("IDR_PNG", static_cast<std::uint32_t>(side));
        ASSERT_TRUE(r) << side;
        Picture p;
        ASSERT_TRUE(decodePng(r.data, r.size, &p)) << side;
        EXPECT_EQ(p.width(), side);
        EXPECT_EQ(p.height(), side);
        EXPECT_EQ(p.argbAt(0, 0) >> 24, 0u);                   // transparent corner
        EXPECT_EQ(p.argbAt(side / 2, side / 2) >> 24, 0xFFu);  // opaque middle
    }
}

TEST(ImageCodecTest, DamagedPicturesAreRefusedWithoutEndingTheProgram) {
    Picture keep(3, 3);
    std::string error;
    const std::uint8_t junk[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J',  'F',  'I',
                                 'F',  0x00, 0x01, 0x01, 0x00, 0xDE, 0xAD, 0xBE, 0xEF};
    EXPECT_FALSE(decodeJpeg(junk, sizeof junk, &keep, &error));
    EXPECT_FALSE(error.empty());
    const std::uint8_t notJpeg[] = "GIF89a plainly not a JPEG";
    EXPECT_FALSE(decodeJpeg(notJpeg, sizeof notJpeg, &keep, &error));
    EXPECT_FALSE(decodeJpeg(nullptr, 0, &keep));
    EXPECT_FALSE(decodePng(junk, sizeof junk, &keep));
    EXPECT_FALSE(decodePng(nullptr, 0, &keep));
    EXPECT_EQ(keep.width(), 3);  // left alone on failure

    // A few hundred bytes whose header claims 30000 x 30000 pixels: refused before gigabytes
    // are allocated.
    std::ifstream in(VERITOME_TEST_DATA "/jpeg/claims-30000x30000.jpg", std::ios::binary);
    const std::vector<std::uint8_t> huge{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(huge.empty());
    EXPECT_FALSE(decodeJpeg(huge.data(), huge.size(), &keep, &error));
    EXPECT_EQ(error, "picture too large (30000 x 30000)");

    // Cut short: a JPEG decodes what it has (libjpeg pads the rest), a PNG is refused; header
    // bytes flipped in the middle must not crash either.
    std::vector<std::uint8_t> jpeg = bytesOf(findResource("IDR_JPG", 131));
    std::vector<std::uint8_t> png = bytesOf(findResource("IDR_PNG", 64));
    for (std::size_t cut : {std::size_t{2}, std::size_t{300}, jpeg.size() / 2}) {
        Picture p;
        decodeJpeg(jpeg.data(), cut, &p);
    }
    EXPECT_FALSE(decodePng(png.data(), png.size() / 2, &keep));
    for (std::size_t i = 20; i < 400 && i < jpeg.size(); i += 7) {
        std::vector<std::uint8_t> bent = jpeg;
        bent[i] ^= 0x5A;
        Picture p;
        decodeJpeg(bent.data(), bent.size(), &p);
    }
}

}  // namespace
