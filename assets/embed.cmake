# Turns one artwork file into a C++ source defining assets::<NAME> as its bytes.
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=symbol -P embed.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include \"assets/assets.h\"\n\nnamespace assets {\nnamespace {\nconst unsigned char data[${size}] = {\n  ${bytes}\n};\n}  // namespace\nconst Bytes ${NAME}{data, sizeof data};\n}  // namespace assets\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
