# Gives the PE file EXE the time stamp in EPOCH_FILE and the right checksum (tools/pe-stamp).
#   cmake -DTOOL=<pe-stamp> -DEXE=<exe> -DEPOCH_FILE=<file> -P StampPe.cmake
file(STRINGS "${EPOCH_FILE}" epoch LIMIT_COUNT 1)
execute_process(COMMAND "${TOOL}" "${EXE}" "${epoch}" COMMAND_ERROR_IS_FATAL ANY)
