// The XML element: parsing (including truncated text), text and attribute escaping and
// decoding, typed values, writing and files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "xml/Node.h"

namespace {

using s::xml::Node;
using s::xml::StrBuffer;

// Releases a pooled object at the end of a scope.
template <class T>
struct Held {
    T* p;
    explicit Held(T* object) : p(object) {}
    ~Held() { p->release(); }
    T* operator->() const { return p; }
    T* get() const { return p; }
};

std::u16string written(const Node* node) {
    Held<StrBuffer> text(node->writeText());
    return std::u16string(text->text());
}

std::u16string decoded(const Node* node, const char16_t* name) {
    Held<StrBuffer> text(node->getText(name, nullptr));
    return std::u16string(text->text());
}

// Parses text and returns the node; the test releases it.
Node* parsed(const std::u16string& text, std::size_t* consumed = nullptr) {
    Node* node = Node::create();
    const char16_t* end = node->parse(text.data(), static_cast<std::int32_t>(text.size()));
    if (consumed) *consumed = static_cast<std::size_t>(end - text.data());
    return node;
}

TEST(XmlParser, ElementsAttributesTextAndComments) {
    struct Case {
        const char16_t* input;
        const char16_t* output;  // writeText of the parsed root
    };
    const Case cases[] = {
        {u"<a x=\"1\"/>", u"<a x=\"1\"></a>"},
        {u"<a>Hi <b/> there </a>", u"<a>Hi <b></b></a>"},
        {u"<a><!-- note --><b/></a>", u"<a><b></b></a>"},
        {u"<a>x</c>", u"<a>x</a>"},
        {u"  \uFEFF<a  y = \"2\" z=\"3\" >\r\n<b>t</b></a>", u"<a y=\"2\" z=\"3\"><b>t</b></a>"},
        {u"<a x='1' y=\"2\">", u"<a x=\"2\"></a>"},  // single quotes are not delimiters
        {u"<a q=\"&quot;&amp;\"></a>trailing", u"<a q=\"&quot;&amp;\"></a>"},
    };
    for (const Case& c : cases) {
        Held<Node> node(parsed(c.input));
        EXPECT_EQ(written(node.get()), c.output) << "case " << &c - cases;
    }
}

TEST(XmlParser, KeepsTextRecordsAndDropsComments) {
    Held<Node> node(parsed(u"<a>Hi <!-- c --><b/> there </a>"));
    ASSERT_EQ(node->childCount(), 1u);
    EXPECT_TRUE(node->child(0)->nameEquals(u"b"));
    ASSERT_EQ(node->attributes().count(), 2u);
    EXPECT_EQ(std::u16string(node->attributes().at(0)->value), u"Hi ");
    EXPECT_EQ(std::u16string(node->attributes().at(1)->value), u"there ");
}

TEST(XmlParser, DocumentStartingWithCommentIsTheComment) {
    std::size_t consumed = 0;
    Held<Node> node(parsed(u"<!-- c --><a/>", &consumed));
    EXPECT_TRUE(node->isComment());
    EXPECT_EQ(std::u16string(node->name()), u"!--");
    EXPECT_EQ(consumed, 10u);
}

// Every way the text can end early: the parse stops at the end, keeps what it read, and
// returns the end position (never reads past it: run under AddressSanitizer).
TEST(XmlParser, StopsAtEndOfTruncatedText) {
    struct Case {
        const char16_t* input;
        const char16_t* output;
        std::uint32_t children;
    };
    const Case cases[] = {
        {u"", u"<></>", 0},
        {u"no markup", u"<></>", 0},
        {u"<", u"<></>", 0},
        {u"<!-", u"<!-></!->", 0},
        {u"<!-- open", u"<!--></!-->", 0},
        {u"<a", u"<a></a>", 0},
        {u"<a x", u"<a></a>", 0},
        {u"<a x=", u"<a></a>", 0},
        {u"<a x=\"1", u"<a></a>", 0},
        {u"<a x=\"1\" y=\"2\"", u"<a x=\"1\" y=\"2\"></a>", 0},
        {u"<a/", u"<a></a>", 0},
        {u"<a>text", u"<a>text</a>", 0},
        {u"<a><b>", u"<a><b></b></a>", 1},
        {u"<a><b></b>tail<", u"<a>tail<b></b></a>", 1},
        {u"<a></", u"<a></a>", 0},
        {u"<a></a", u"<a></a>", 0},
    };
    for (const Case& c : cases) {
        const std::u16string input(c.input);
        // A copy without terminator, so that any read past the end is caught.
        auto exact = std::make_unique<char16_t[]>(input.size() + 1);
        std::copy(input.begin(), input.end(), exact.get());
        Held<Node> node(Node::create());
        const char16_t* end = node->parse(exact.get(), static_cast<std::int32_t>(input.size()));
        EXPECT_EQ(end, exact.get() + input.size()) << "case " << &c - cases;
        EXPECT_EQ(written(node.get()), c.output);
        EXPECT_EQ(node->childCount(), c.children);
    }
}

TEST(XmlParser, StopsAtNestingLimit) {
    std::u16string deep;
    for (int i = 0; i < 100000; ++i) deep += u"<a>";
    Held<Node> node(parsed(deep));
    std::uint32_t depth = 1;
    for (const Node* n = node.get(); n->childCount() == 1; n = n->child(0)) ++depth;
    EXPECT_EQ(depth, Node::kMaxDepth);
}

TEST(XmlParser, ParseBytesDecodesUtf8AndSkipsDeclaration) {
    const std::string bytes =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<lang n=\"\xC3\xA9\"/>";
    Held<Node> node(Node::create());
    node->parseBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                     static_cast<std::uint32_t>(bytes.size()));
    EXPECT_TRUE(node->nameEquals(u"LANG"));
    EXPECT_EQ(std::u16string(node->rawText(u"n")), u"\u00E9");
}

TEST(XmlText, DecodesAndEscapes) {
    Held<Node> node(parsed(u"<a v=\"x&amp;&lt;&gt;&quot;&#160;&#13;&#10;&z\">  Hello&#160;</a>"));
    EXPECT_EQ(decoded(node.get(), u""), u"Hello ");
    EXPECT_EQ(decoded(node.get(), u"v"), u"x&<&gt;\"&#160;\r\n&z");

    struct Case {
        const char16_t* stored;  // element text as written
        const char16_t* text;    // decoded
    };
    const Case texts[] = {
        {u"File Name:&#160;", u"File Name: "},
        {u"File Name: ", u"File Name:"},
        {u"\t a &amp; b &lt;c&gt; \r\n", u"a & b <c>"},
        {u"line&#10;", u"line\n"},
        {u"x&#160; \t", u"x "},
        {u"&unknown; &", u"&unknown; &"},
        {u"wide\u3000", u"wide"},
    };
    for (const Case& c : texts) {
        Held<Node> n(Node::create());
        n->attributes().add(u"", 0, c.stored, -1);
        EXPECT_EQ(decoded(n.get(), u""), c.text);
    }

    Held<Node> set(Node::create());
    set->setName(u"e");
    set->setText(u"", u"a b<&>\r\n");
    set->setText(u"attr", u"a b<&>\"\r\n");
    EXPECT_EQ(written(set.get()),
              u"<e attr=\"a b&lt;&amp;>&quot;&#13;&#10;\">a&#160;b&lt;&amp;&gt;&#13;&#10;</e>");
    EXPECT_EQ(decoded(set.get(), u""), u"a b<&>\r\n");
    EXPECT_EQ(decoded(set.get(), u"ATTR"), u"a b<&>\"\r\n");
}

TEST(XmlNode, TypedSettersFormatAndAppend) {
    Held<Node> node(Node::create());
    node->setName(u"v");
    node->setS8(u"s8", -5);
    node->setU8(u"u8", 200);
    node->setS32(u"s32", INT32_MIN);
    node->setU64(u"u64", 0xFFFFFFFFFFFFFFFFull);
    node->setDouble(u"d", 1.5);
    const std::uint8_t bytes[] = {0x00, 0xAB, 0x10};
    node->setBytes(u"b", bytes, 3);
    const std::uint16_t words16[] = {0x1, 0xBEEF};
    node->setWords16(u"w16", words16, 2);
    const std::uint32_t words32[] = {0xA};
    node->setWords32(u"w32", words32, 1);
    const std::uint64_t words64[] = {0x0102030405060708ull};
    node->setWords64(u"w64", words64, 1);
    node->setDwordPairs(u"p", words64, 1);
    node->setU32(u"s8", 7);  // never replaces: a second record
    EXPECT_EQ(written(node.get()),
              u"<v s8=\"-5\" u8=\"200\" s32=\"-2147483648\" u64=\"-1\" d=\"1.500000\" b=\"00ab10\" "
              u"w16=\"0001beef\" w32=\"0000000a\" w64=\"0102030405060708\" p=\"0506070801020304\" "
              u"s8=\"7\"></v>");
    EXPECT_EQ(node->getS8(u"S8", 0), -5);  // the first record of that name
}

TEST(XmlNode, TypedGettersConvertLikeTheCLibrary) {
    Held<Node> node(
        parsed(u"<v a=\"1\" b=\"10\" c=\"true\" d=\"trueish\" e=\"TRUE\" f=\"yes\" g=\"0\" "
               u"n=\" -5x\" big=\"99999999999\" h=\"300\" w=\"\" neg=\"-1\"/>"));
    const struct {
        const char16_t* name;
        bool value;
    } bools[] = {{u"a", true},  {u"b", true},  {u"c", true},  {u"d", true},
                 {u"e", false}, {u"f", false}, {u"g", false}, {u"w", false}};
    for (const auto& b : bools) EXPECT_EQ(node->getBool(b.name, !b.value), b.value);
    EXPECT_TRUE(node->getBool(u"missing", true));
    EXPECT_EQ(node->getS32(u"N", 9), -5);
    EXPECT_EQ(node->getU32(u"n", 9), 4294967291u);
    EXPECT_EQ(node->getS32(u"big", 0), INT32_MAX);
    EXPECT_EQ(node->getU32(u"big", 0), UINT32_MAX);
    EXPECT_EQ(node->getInt64(u"big", 0), 99999999999);
    EXPECT_EQ(node->getU8(u"h", 0), 44);  // 300 cut to 8 bits
    EXPECT_EQ(node->getS8(u"h", 0), 44);
    EXPECT_EQ(node->getU16(u"neg", 0), 0xFFFF);
    EXPECT_EQ(node->getS16(u"w", 3), 0);  // no number: 0, not the default
    EXPECT_EQ(node->getS32(u"missing", 3), 3);
    EXPECT_EQ(std::u16string(node->rawText(u"missing", u"def")), u"def");
}

TEST(XmlNode, NamesChildrenAndLookups) {
    Held<Node> node(parsed(u"<Root><Item/><item/><Other/></Root>"));
    EXPECT_TRUE(node->nameEquals(u"root"));
    EXPECT_TRUE(node->nameEquals(u"Root", 4));
    EXPECT_FALSE(node->nameEquals(u"root", 4));
    EXPECT_FALSE(node->nameEquals(u"Ro", 2));  // the name must end there
    std::uint32_t index = 99;
    ASSERT_TRUE(node->findChild(u"item", 4, &index));
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(node->childByName(u"ITEM"), node->child(0));
    EXPECT_EQ(node->childByName(u"none"), nullptr);
    node->removeChild(0);
    EXPECT_EQ(node->childCount(), 2u);
    EXPECT_EQ(written(node.get()), u"<Root><item></item><Other></Other></Root>");

    Held<Node> unnamed(Node::create());
    EXPECT_FALSE(unnamed->nameEquals(u"", 0));
    EXPECT_TRUE(unnamed->nameEquals(u""));
}

TEST(XmlNode, ToUtf8AndFileRoundTrip) {
    Held<Node> x(Node::create());
    x->setName(u"x");
    Held<s::col::_array::ArrayU08> bytes(x->toUtf8());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->length()),
              "<x></x>");

    const auto dir = std::filesystem::path(::testing::TempDir()) /
                     ("xml_node_files_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::u16string path = (dir / "sub" / "doc.xml").u16string();
    Held<Node> doc(Node::create());
    doc->setName(u"savedata");
    doc->addChild(u"Language")->setText(u"", u"\u65E5\u672C\u8A9E x");
    ASSERT_TRUE(doc->savePath(path.c_str()));
    Held<Node> back(Node::create());
    ASSERT_TRUE(back->loadPath(path.c_str()));
    EXPECT_EQ(written(back.get()), written(doc.get()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "sub"),
                            std::filesystem::directory_iterator()),
              1);  // no temporary left beside the file

    Held<Node> missing(Node::create());
    EXPECT_FALSE(missing->loadPath((dir / "none.xml").u16string().c_str()));
    EXPECT_EQ(missing->name(), nullptr);
}

}  // namespace

namespace {

// Every document kept under tests/data/xml (the fuzzing seeds and any input that once made the
// parser fail) goes through parse, write and parse again; the sanitizer builds catch any read
// past the end.
TEST(XmlParser, FixtureDocumentsParseAndRewrite) {
    const auto root = std::filesystem::path(VERITOME_TEST_DATA) / "xml";
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        auto exact = std::make_unique<std::uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), exact.get());
        Held<Node> node(Node::create());
        node->parseBytes(exact.get(), static_cast<std::uint32_t>(bytes.size()));
        const std::u16string text = written(node.get());
        Held<Node> again(parsed(text));
        EXPECT_EQ(written(again.get()), text) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 5);
}

}  // namespace
