// Nodes, attribute records and hash-table entries come from process-wide pools and the typed
// setters share one scratch text: several threads building documents at once must not mix
// them up (also run under ThreadSanitizer).
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "map/MapTable.h"
#include "str/strbuffer/StrBuffer.h"
#include "xml/Node.h"

namespace {

using s::xml::Node;
using s::xml::StrBuffer;

TEST(XmlThreads, BuildParseAndWriteOnSeveralThreads) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 200;
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &mismatches] {
            s::map::MapTable table;
            for (int r = 0; r < kRounds; ++r) {
                Node* root = Node::create();
                root->setName(u"r");
                Node* child = root->addChild(u"c");
                child->setS32(u"t", t);
                child->setU32(u"r", static_cast<std::uint32_t>(r));
                child->setText(u"", u"x y");
                StrBuffer* text = root->writeText();
                Node* back = Node::create();
                back->parse(text->text());
                const Node* c = back->childByName(u"c");
                if (!c || c->getS32(u"t", -1) != t || c->getU32(u"r", 0) != std::uint32_t(r)) {
                    ++mismatches[t];
                }
                StrBuffer* key = StrBuffer::create();
                key->appendInt32(r);
                if (!table.insert(key, key->hashValue(), nullptr)) key->release();
                back->release();
                text->release();
                root->release();
            }
            s::col::_array::ArrayP* keys = table.entries();
            for (std::uint32_t i = 0; i < keys->length(); ++i) {
                static_cast<StrBuffer*>(static_cast<s::map::MapTable::Entry*>(keys->get(i))->key)
                    ->release();
            }
            keys->release();
            table.clear(nullptr, nullptr);
        });
    }
    for (std::thread& th : threads) th.join();
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

}  // namespace
