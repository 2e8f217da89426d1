# Writes the time of the sources, in seconds since 1970, to OUTPUT (rewritten only when it
# changes): SOURCE_DATE_EPOCH when it is set, else the time of the last commit of SOURCE_DIR.
# Without either the build fails: the clock would make every build differ.
#   cmake -DSOURCE_DIR=<dir> -DOUTPUT=<file> -P SourceDateEpoch.cmake
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is \"${epoch}\", not a number of seconds since 1970")
  endif()
else()
  # The checkout must be SOURCE_DIR itself, not a folder that happens to lie inside another one.
  execute_process(COMMAND git -C "${SOURCE_DIR}" rev-parse --show-toplevel
                  OUTPUT_VARIABLE top RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT failed)
    file(REAL_PATH "${top}" top)
    file(REAL_PATH "${SOURCE_DIR}" source)
    execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE epoch RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(failed OR NOT top STREQUAL source OR NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${SOURCE_DIR} is not a git checkout with a commit, and SOURCE_DATE_EPOCH is not set: "
                        "set SOURCE_DATE_EPOCH to the time of the sources (seconds since 1970) to build it")
  endif()
endif()
file(WRITE "${OUTPUT}.new" "${epoch}\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
