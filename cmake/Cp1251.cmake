# cmake -DIN=file -DOUT=file -DVERSION=x.y.z -P Cp1251.cmake
# Turns a UTF-8 text with LF line ends into the Windows-1251 text with CR LF line ends that the
# program's INI files are, with the program's version put in for @PROJECT_VERSION@; a character that
# Windows-1251 lacks fails the build.
execute_process(COMMAND iconv -f UTF-8 -t WINDOWS-1251 ${IN}
                OUTPUT_VARIABLE text RESULT_VARIABLE failed ERROR_VARIABLE why)
if(failed)
    message(FATAL_ERROR "${IN} does not convert to Windows-1251: ${why}")
endif()
string(REPLACE "@PROJECT_VERSION@" "${VERSION}" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
