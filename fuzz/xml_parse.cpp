// libFuzzer target: parseBytes over arbitrary bytes must never read out of bounds, crash or
// leak; writing the tree and parsing the text again must not either.
#include <cstddef>
#include <cstdint>

#include "xml/Node.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    s::xml::Node* root = s::xml::Node::create();
    root->parseBytes(data, static_cast<std::uint32_t>(size));
    s::xml::StrBuffer* text = root->writeText();
    root->getText(u"", text, u"", true);
    s::xml::Node* again = s::xml::Node::create();
    again->parse(text->data(), static_cast<std::int32_t>(text->length()));
    again->release();
    text->release();
    root->release();
    return 0;
}
