# Turns a word file (one word a line, # comments) into a C++ source holding the words.
# Called as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... [-DASCII_ONLY=ON] -P embed_words.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(body "")
set(count 0)
foreach(line IN LISTS lines)
  string(STRIP "${line}" word)
  if(word STREQUAL "" OR word MATCHES "^#")
    continue()
  endif()
  if(ASCII_ONLY AND NOT word MATCHES "^[A-Z]+$")
    message(FATAL_ERROR "${INPUT}: '${word}' is not an upper-case word of the letters A-Z")
  endif()
  string(FIND "${word}" "\"" quote)
  string(FIND "${word}" "\\" backslash)
  string(FIND "${word}" " " space)
  if(NOT quote EQUAL -1 OR NOT backslash EQUAL -1 OR NOT space EQUAL -1)
    message(FATAL_ERROR "${INPUT}: '${word}' holds a quote, backslash or space")
  endif()
  string(APPEND body "    u\"${word}\",\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n\n"
  "namespace vorlix {\n\n"
  "extern const char16_t* const ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}Count;\n\n"
  "const char16_t* const ${SYMBOL}[] = {\n${body}};\n"
  "const std::size_t ${SYMBOL}Count = ${count};\n\n"
  "}  // namespace vorlix\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
