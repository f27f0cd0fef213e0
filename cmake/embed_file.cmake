# Writes a C++ source that holds the bytes of a file, so that a page kept as a file of its own is built
# into the program. Run with cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P embed_file.cmake.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "// Generated at build time from ${name}; edit that file instead.
#include <cstddef>

extern const unsigned char ${SYMBOL}[] = {
${bytes}0x00};
extern const std::size_t ${SYMBOL}Size = ${size};
" @ONLY)
