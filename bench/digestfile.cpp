// Hashes one file the way the hash job does: plain read(2) of 16 KiB blocks, each block given
// to every chosen digester. Used by peers.sh until the hash job's terminal front end replaces it.
//
//   digestfile [-a md5,sha256,...] FILE      (default: all twelve algorithms)
//   digestfile [-a ...] --memory MIB          the digests alone: MIB mebibytes from memory
//                                             (one 128 KiB block given again and again)
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "digest/IDigester.h"
#include "digest/adler32/Adler32.h"
#include "digest/crc32/Crc32.h"
#include "digest/gost/Gost.h"
#include "digest/md5/Md2.h"
#include "digest/md5/Md4.h"
#include "digest/md5/Md5.h"
#include "digest/ripemd/Ripemd128.h"
#include "digest/ripemd/Ripemd160.h"
#include "digest/sha/Sha160.h"
#include "digest/sha/Sha256.h"
#include "digest/sha/Sha384.h"
#include "digest/sha/Sha512.h"
#include "str/strbuffer/StrBuffer.h"

namespace {

using s::digest::IDigester;

struct Choice {
    const char* name;
    IDigester* prototype;
};

std::vector<Choice> choices() {
    using namespace s::digest;
    return {{"crc32", crc32::Crc32::prototype()},
            {"md2", md5::Md2::prototype()},
            {"md4", md5::Md4::prototype()},
            {"md5", md5::Md5::prototype()},
            {"sha1", sha::Sha160::prototype()},
            {"sha256", sha::Sha256::prototype()},
            {"sha384", sha::Sha384::prototype()},
            {"sha512", sha::Sha512::prototype()},
            {"ripemd128", ripemd::Ripemd128::prototype()},
            {"ripemd160", ripemd::Ripemd160::prototype()},
            {"adler32", adler32::Adler32::prototype()},
            {"gost", gost::Gost::prototype()}};
}

int usage() {
    std::fprintf(stderr, "usage: digestfile [-a alg[,alg...]] FILE\nalgorithms:");
    for (const Choice& c : choices()) std::fprintf(stderr, " %s", c.name);
    std::fprintf(stderr, "\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string wanted;
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "-a") == 0) {
        wanted.append(",").append(argv[arg + 1]).append(",");
        arg += 2;
    }
    std::uint64_t memoryBytes = 0;
    if (arg + 2 == argc && std::strcmp(argv[arg], "--memory") == 0) {
        memoryBytes = std::strtoull(argv[arg + 1], nullptr, 10) * 1024 * 1024;
        ++arg;
    } else if (arg + 1 != argc) {
        return usage();
    }

    std::vector<std::pair<const char*, IDigester*>> list;
    for (const Choice& c : choices()) {
        std::string key = ",";
        key.append(c.name).append(",");
        if (wanted.empty() || wanted.find(key) != std::string::npos) {
            list.emplace_back(c.name, static_cast<IDigester*>(c.prototype->newInstance()));
        }
    }
    if (list.empty()) return usage();

    if (memoryBytes > 0) {
        static std::vector<unsigned char> block(128 * 1024);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<unsigned char>(i * 131);
        for (std::uint64_t done = 0; done < memoryBytes; done += block.size()) {
            for (auto& entry : list) {
                entry.second->update(block.data(), static_cast<std::uint32_t>(block.size()));
            }
        }
        for (auto& [name, d] : list) {
            d->finish();
            d->release();
        }
        return 0;
    }
    const int fd = ::open(argv[arg], O_RDONLY);
    if (fd < 0) {
        std::perror(argv[arg]);
        return 1;
    }
    alignas(64) static unsigned char block[16384];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0) {
            std::perror(argv[arg]);
            return 1;
        }
        if (n == 0) break;
        for (auto& entry : list) entry.second->update(block, static_cast<std::uint32_t>(n));
    }
    ::close(fd);

    for (auto& [name, d] : list) {
        d->finish();
        auto* text = d->toText();
        std::string digits;
        for (std::uint32_t i = 0; i < text->length(); ++i)
            digits += static_cast<char>(text->charAt(i));
        std::printf("%-10s %s\n", name, digits.c_str());
        text->release();
        d->release();
    }
    return 0;
}
