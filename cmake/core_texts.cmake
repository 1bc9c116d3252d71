# The libretro core's texts in each language, taken from the translation
# files (their "Core" context) into a C++ table at configure time: the core
# has no Qt to read the compiled translations with.
#   ignivar_core_texts(OUTPUT_HEADER)

function(ignivar_ts_unescape var)
  set(t "${${var}}")
  string(REPLACE "&apos;" "'" t "${t}")
  string(REPLACE "&quot;" "\"" t "${t}")
  string(REPLACE "&lt;" "<" t "${t}")
  string(REPLACE "&gt;" ">" t "${t}")
  string(REPLACE "&amp;" "&" t "${t}")
  # As a C++ string literal's inside.
  string(REPLACE "\\" "\\\\" t "${t}")
  string(REPLACE "\"" "\\\"" t "${t}")
  string(REPLACE "\n" "\\n" t "${t}")
  set(${var} "${t}" PARENT_SCOPE)
endfunction()

# The text between `open` and `close` from `from` on in `text`: in `var`,
# and where the search goes on in `next_var` (-1: nothing found).
function(ignivar_ts_between text from open close var next_var)
  string(SUBSTRING "${text}" ${from} -1 rest)
  string(FIND "${rest}" "${open}" a)
  if(a EQUAL -1)
    set(${next_var} -1 PARENT_SCOPE)
    return()
  endif()
  string(LENGTH "${open}" open_length)
  math(EXPR a "${a} + ${open_length}")
  string(SUBSTRING "${rest}" ${a} -1 inner)
  string(FIND "${inner}" "${close}" b)
  string(SUBSTRING "${inner}" 0 ${b} found)
  set(${var} "${found}" PARENT_SCOPE)
  math(EXPR next "${from} + ${a} + ${b}")
  set(${next_var} ${next} PARENT_SCOPE)
endfunction()

function(ignivar_core_texts header)
  file(GLOB ts_files ${PROJECT_SOURCE_DIR}/i18n/ignivar_*.ts)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ts_files})
  set(rows "")
  foreach(ts ${ts_files})
    string(REGEX MATCH "ignivar_([a-z]+)\\.ts$" unused "${ts}")
    set(lang "${CMAKE_MATCH_1}")
    file(READ "${ts}" text)
    string(FIND "${text}" "<name>Core</name>" at)
    if(at EQUAL -1)
      continue()
    endif()
    string(SUBSTRING "${text}" ${at} -1 text)
    string(FIND "${text}" "</context>" end)
    string(SUBSTRING "${text}" 0 ${end} text)
    set(from 0)
    while(TRUE)
      ignivar_ts_between("${text}" ${from} "<source>" "</source>" english from)
      if(from EQUAL -1)
        break()
      endif()
      ignivar_ts_between("${text}" ${from} "<translation" "</translation>" translated from)
      # A finished translation: no type (unfinished, vanished ...) before its '>'.
      string(FIND "${translated}" ">" close)
      string(SUBSTRING "${translated}" 0 ${close} attributes)
      math(EXPR close "${close} + 1")
      string(SUBSTRING "${translated}" ${close} -1 translated)
      if(NOT attributes MATCHES "type=" AND NOT translated STREQUAL "")
        ignivar_ts_unescape(english)
        ignivar_ts_unescape(translated)
        string(APPEND rows "    {\"${lang}\", \"${english}\", \"${translated}\"},\n")
      endif()
    endwhile()
  endforeach()
  file(CONFIGURE OUTPUT "${header}" CONTENT "// Made from i18n/*.ts at configure time: the core's texts in each language.
#pragma once

namespace ignivar::libretro {

struct CoreText {
    const char* language;
    const char* english;
    const char* translated;
};
inline constexpr CoreText kCoreTexts[] = {
@rows@    {nullptr, nullptr, nullptr},
};

}  // namespace ignivar::libretro
" @ONLY)
endfunction()
