# Turns the UTF-8 text table (one "name<TAB>text" a line) into a header of
# code page 932 byte strings. Run with cmake -P, SOURCE and OUTPUT set.
if(NOT SOURCE OR NOT OUTPUT)
  message(FATAL_ERROR "embed_texts.cmake needs -DSOURCE=... -DOUTPUT=...")
endif()

find_program(ICONV iconv REQUIRED)
set(encoded "${OUTPUT}.cp932")
execute_process(
  COMMAND "${ICONV}" -f UTF-8 -t CP932 "${SOURCE}"
  OUTPUT_FILE "${encoded}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "iconv could not convert ${SOURCE} to code page 932")
endif()

file(READ "${encoded}" hex HEX)
string(REGEX MATCHALL "[0-9a-f][0-9a-f]" bytes "${hex}")

set(body "")
set(name "")
set(literal "")
set(count 0)
set(in_name TRUE)
foreach(byte IN LISTS bytes)
  if(byte STREQUAL "0a")
    if(name STREQUAL "")
      message(FATAL_ERROR "a line of ${SOURCE} has no name")
    endif()
    string(APPEND body "inline constexpr std::string_view ${name}{${literal}\"\", ${count}};\n")
    set(name "")
    set(literal "")
    set(count 0)
    set(in_name TRUE)
  elseif(in_name AND byte STREQUAL "09")
    set(in_name FALSE)
  elseif(in_name)
    math(EXPR code "0x${byte}")
    string(ASCII ${code} char)
    string(APPEND name "${char}")
  else()
    string(APPEND literal "\"\\x${byte}\" ")
    math(EXPR count "${count} + 1")
  endif()
endforeach()
if(NOT in_name OR NOT name STREQUAL "")
  message(FATAL_ERROR "${SOURCE} must end with a newline")
endif()

file(WRITE "${OUTPUT}.new"
"// Generated at build time from ${SOURCE}; edit that file instead.\n"
"#pragma once\n\n#include <string_view>\n\nnamespace velmora::help::text {\n\n"
"${body}\n}  // namespace velmora::help::text\n")
execute_process(COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${OUTPUT}.new" "${OUTPUT}")
file(REMOVE "${OUTPUT}.new" "${encoded}")
