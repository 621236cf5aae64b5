# Turns one file into a C++ source defining <NAMESPACE>::<NAME> as its bytes;
# HEADER (an include path) declares it and the namespace's Bytes type.
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=symbol -DNAMESPACE=ns -DHEADER=ns.h -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include \"${HEADER}\"\n\nnamespace ${NAMESPACE} {\nnamespace {\nconst unsigned char data[${size}] = {\n  ${bytes}\n};\n}  // namespace\nconst Bytes ${NAME}{data, sizeof data};\n}  // namespace ${NAMESPACE}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
