# Compresses IN into OUT as Debian wants documents and manual pages: best compression, and no name or
# time stamp in the header so that the same input always gives the same bytes.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9 -n -c ${IN} OUTPUT_FILE ${OUT}.part RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    file(REMOVE ${OUT}.part)
    message(FATAL_ERROR "gzip ${IN} failed: ${rc}")
endif()
file(RENAME ${OUT}.part ${OUT})
