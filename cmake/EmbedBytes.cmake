# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -P EmbedBytes.cmake
# Writes a C++ source that holds INPUT byte for byte as an array, so that no
# compiler limit on string literal length applies.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} at build time; edit that file instead.\n"
"#include <cstddef>\n"
"extern const unsigned char ${SYMBOL}[];\n"
"extern const std::size_t ${SYMBOL}Size;\n"
"const unsigned char ${SYMBOL}[] = {\n    ${bytes}0x00};\n"
"const std::size_t ${SYMBOL}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
