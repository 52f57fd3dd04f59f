# Writes a C++ source holding the bytes of IN that registers them as resource TYPE/NUMBER.
# Run as: cmake -DIN=file -DOUT=file.cpp -DTYPE=name -DNUMBER=n -P EmbedResource.cmake
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes per line keeps the generated file readable and the lines short.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT}.tmp
"// Generated from ${IN}; do not edit.
#include \"platform/Resources.h\"

namespace {
// One zero byte after the data, so that text resources can be read as terminated text.
const unsigned char kData[${size} + 1] = {
${bytes}0};
const platform::ResourceRegistrar kRegistrar(\"${TYPE}\", ${NUMBER}, kData, ${size});
}  // namespace
")
file(RENAME ${OUT}.tmp ${OUT})
