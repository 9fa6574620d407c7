# Turns the interactive page's frame, style and script into a C++ source, byte for byte.
# Called as: cmake -DOUTPUT=... -DHTML=... -DSTYLE=... -DSCRIPT=... -P embed_play.cmake
set(body "")
foreach(part HTML STYLE SCRIPT)
  file(READ "${${part}}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(TOLOWER "${part}" name)
  string(APPEND body "const unsigned char Play_${name}[] = {\n${bytes}0};\n")
  string(APPEND body "const std::size_t Play_${name}Size = ${size};\n\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from document/play; do not edit.\n"
  "#include <cstddef>\n\n"
  "namespace vorlix {\n\n"
  "extern const unsigned char Play_html[];\nextern const std::size_t Play_htmlSize;\n"
  "extern const unsigned char Play_style[];\nextern const std::size_t Play_styleSize;\n"
  "extern const unsigned char Play_script[];\nextern const std::size_t Play_scriptSize;\n\n"
  "${body}"
  "}  // namespace vorlix\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
