# Writes a text file as UTF-8 with a byte-order mark, which FAR 3 reads the same whatever the
# console's code page (its .lng and .hlf files); line ends stay as they are. Needs iconv.
#   cmake -DIN=<file> -DOUT=<file> -DFROM=<iconv's name: CP866, ASCII> -P utf8_text.cmake
foreach(argument IN ITEMS IN OUT FROM)
  if(NOT DEFINED ${argument} OR "${${argument}}" STREQUAL "")
    message(FATAL_ERROR "utf8_text: -D${argument}= is missing")
  endif()
endforeach()

find_program(ICONV iconv)
if(NOT ICONV)
  message(FATAL_ERROR "utf8_text: iconv not found")
endif()

# Converted beside OUT first, so a failed conversion leaves no half-written OUT behind.
set(converted "${OUT}.utf8-tmp")
execute_process(
  COMMAND "${ICONV}" -f "${FROM}" -t UTF-8 "${IN}"
  OUTPUT_FILE "${converted}"
  ERROR_VARIABLE iconv_error
  RESULT_VARIABLE iconv_result)
if(NOT iconv_result EQUAL 0)
  file(REMOVE "${converted}")
  message(FATAL_ERROR
          "utf8_text: iconv from ${FROM} failed on ${IN} (${iconv_result}): ${iconv_error}")
endif()

# The text never passes through a CMake string, whose file(READ) drops carriage returns.
string(ASCII 239 187 191 bom)
set(mark "${OUT}.bom-tmp")
file(READ "${converted}" head LIMIT 3 HEX)
if(head STREQUAL "efbbbf")
  # A source that already starts with a mark keeps just the one.
  file(WRITE "${mark}" "")
else()
  file(WRITE "${mark}" "${bom}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E cat "${mark}" "${converted}"
  OUTPUT_FILE "${OUT}"
  ERROR_VARIABLE cat_error
  RESULT_VARIABLE cat_result)
file(REMOVE "${mark}" "${converted}")
if(NOT cat_result EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "utf8_text: writing ${OUT} failed (${cat_result}): ${cat_error}")
endif()
