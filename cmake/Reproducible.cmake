# What makes two builds of one commit byte for byte the same: the time of the sources instead of
# the time of the link (lld and GNU ld both write the clock into the PE header).
#
# PICTORO_EPOCH_FILE holds the time (cmake/SourceDateEpoch.cmake, looked at on every build, so a
# new commit restamps); the host tools pe-stamp, payload-crc and payload-pack are built with the
# host's compiler, also in the Windows builds; pictoro_stamp_pe(TARGET) stamps a linked program.
find_program(PICTORO_HOST_CXX NAMES g++ c++ REQUIRED)
set(host_tools ${CMAKE_BINARY_DIR}/host)
set(PICTORO_EPOCH_FILE ${CMAKE_BINARY_DIR}/source-date-epoch)
set(PICTORO_PE_STAMP ${host_tools}/pe-stamp)
set(PICTORO_PAYLOAD_CRC ${host_tools}/payload-crc)
set(PICTORO_PAYLOAD_PACK ${host_tools}/payload-pack)
set(PICTORO_INSTALLER_CRC ${host_tools}/installer-crc)

add_custom_target(pictoro_source_date_epoch
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DOUTPUT=${PICTORO_EPOCH_FILE}
          -P ${CMAKE_SOURCE_DIR}/cmake/SourceDateEpoch.cmake
  BYPRODUCTS ${PICTORO_EPOCH_FILE}
  COMMENT "The time of the sources"
  VERBATIM)

# A host tool at OUTPUT, built from the C++ SOURCES (paths below the tree) and any OBJECTS;
# DEPENDS lists what else it is made from.
function(pictoro_host_tool output)
  cmake_parse_arguments(PARSE_ARGV 1 tool "" "" "SOURCES;OBJECTS;DEPENDS")
  list(TRANSFORM tool_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/ OUTPUT_VARIABLE paths)
  get_filename_component(name ${output} NAME)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${host_tools}
    COMMAND ${PICTORO_HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR} ${paths} ${tool_OBJECTS} -o ${output}
    DEPENDS ${tool_SOURCES} ${tool_OBJECTS} ${tool_DEPENDS}
    COMMENT "Building the host tool ${name}"
    VERBATIM)
endfunction()

pictoro_host_tool(${PICTORO_PE_STAMP} SOURCES tools/pe-stamp/main.cpp)
pictoro_host_tool(${PICTORO_PAYLOAD_CRC} SOURCES tools/payload-crc/main.cpp engine/PayloadCheck.cpp
                  DEPENDS engine/PayloadCheck.h)
# With the codec unit whole, its decoder (Debian's lzma-dev) too.
find_program(PICTORO_HOST_CC NAMES gcc cc REQUIRED)
add_custom_command(
  OUTPUT ${host_tools}/Lzma.o ${host_tools}/LzmaDec.o
  COMMAND ${CMAKE_COMMAND} -E make_directory ${host_tools}
  COMMAND ${PICTORO_HOST_CC} -c -O2 -I${CMAKE_SOURCE_DIR} -I/usr/include/lzma ${CMAKE_SOURCE_DIR}/payload/Lzma.c
          -o ${host_tools}/Lzma.o
  COMMAND ${PICTORO_HOST_CC} -c -O2 -w /usr/include/lzma/LzmaDec.c -o ${host_tools}/LzmaDec.o
  DEPENDS payload/Lzma.c payload/Lzma.h
  COMMENT "Building the LZMA decoder for the host tool payload-pack"
  VERBATIM)
pictoro_host_tool(${PICTORO_PAYLOAD_PACK} SOURCES tools/payload-pack/main.cpp engine/PayloadCodec.cpp
                  OBJECTS ${host_tools}/Lzma.o ${host_tools}/LzmaDec.o DEPENDS engine/PayloadCodec.h)
pictoro_host_tool(${PICTORO_INSTALLER_CRC} SOURCES tools/installer-crc/main.cpp engine/InstallerCrc.cpp
                  engine/PayloadCheck.cpp DEPENDS engine/InstallerCrc.h engine/PayloadCheck.h)
add_custom_target(pictoro_host_tools DEPENDS ${PICTORO_PE_STAMP} ${PICTORO_PAYLOAD_CRC} ${PICTORO_PAYLOAD_PACK}
                  ${PICTORO_INSTALLER_CRC})
add_dependencies(pictoro_host_tools pictoro_source_date_epoch)

function(pictoro_stamp_pe target)
  add_dependencies(${target} pictoro_host_tools)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PICTORO_EPOCH_FILE})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DTOOL=${PICTORO_PE_STAMP} -DEXE=$<TARGET_FILE:${target}>
            -DEPOCH_FILE=${PICTORO_EPOCH_FILE} -P ${CMAKE_SOURCE_DIR}/cmake/StampPe.cmake
    VERBATIM)
endfunction()

# After pictoro_stamp_pe(TARGET): the CRC-32 of the whole installer stored in it, then the PE
# checksum written again.
function(pictoro_store_installer_crc target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${PICTORO_INSTALLER_CRC} $<TARGET_FILE:${target}>
    COMMAND ${CMAKE_COMMAND} -DTOOL=${PICTORO_PE_STAMP} -DEXE=$<TARGET_FILE:${target}>
            -DEPOCH_FILE=${PICTORO_EPOCH_FILE} -P ${CMAKE_SOURCE_DIR}/cmake/StampPe.cmake
    VERBATIM)
endfunction()
