# Pads the application to exactly SIZE bytes with trailing zero bytes.
#   cmake -DINPUT=<exe> -DOUTPUT=<padded exe> -DSIZE=<bytes> -P PadImage.cmake
# Fails when the application is larger than SIZE.
file(SIZE "${INPUT}" actual)
if(actual GREATER SIZE)
  message(FATAL_ERROR "${INPUT} has ${actual} bytes, more than the ${SIZE} the installer carries")
endif()
find_program(TRUNCATE truncate REQUIRED)
file(COPY_FILE "${INPUT}" "${OUTPUT}.part")
execute_process(COMMAND "${TRUNCATE}" -s "${SIZE}" "${OUTPUT}.part" COMMAND_ERROR_IS_FATAL ANY)
file(SIZE "${OUTPUT}.part" padded)
if(NOT padded EQUAL SIZE)
  message(FATAL_ERROR "padding ${OUTPUT} gave ${padded} bytes instead of ${SIZE}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
