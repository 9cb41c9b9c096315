# Writes a UTF-8 text file as Shift-JIS (code page 932) with CR LF line ends:
#   cmake -DICONV=... -DIN=source.utf8.txt -DOUT=shipped.txt -P ShiftJis.cmake
# Fails, leaving no output, when a character has no code page 932 form.
file(READ "${IN}" text)
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}.crlf" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932
  INPUT_FILE "${OUT}.crlf" OUTPUT_FILE "${OUT}.tmp" RESULT_VARIABLE result ERROR_VARIABLE error)
file(REMOVE "${OUT}.crlf")
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}.tmp")
  message(FATAL_ERROR "${IN}: not representable in code page 932: ${error}")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
