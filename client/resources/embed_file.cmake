# Writes the bytes of INPUT as a C++ array named NAME into OUTPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "#include \"client/resources/client_icon_data.h\"\n\n"
  "const unsigned char ${NAME}[] = {\n${bytes}\n};\n"
  "const size_t ${NAME}Size = ${size};\n")
