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

add_custom_command(
  OUTPUT ${PICTORO_PE_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${host_tools}
  COMMAND ${PICTORO_HOST_CXX} -std=c++20 -O2 ${CMAKE_SOURCE_DIR}/tools/pe-stamp/main.cpp -o ${PICTORO_PE_STAMP}
  DEPENDS tools/pe-stamp/main.cpp
  COMMENT "Building the host tool pe-stamp"
  VERBATIM)
add_custom_command(
  OUTPUT ${PICTORO_PAYLOAD_CRC}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${host_tools}
  COMMAND ${PICTORO_HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tools/payload-crc/main.cpp
          ${CMAKE_SOURCE_DIR}/engine/PayloadCheck.cpp -o ${PICTORO_PAYLOAD_CRC}
  DEPENDS tools/payload-crc/main.cpp engine/PayloadCheck.cpp engine/PayloadCheck.h
  COMMENT "Building the host tool payload-crc"
  VERBATIM)
# With the codec unit whole, its decoder (Debian's lzma-dev) too.
find_program(PICTORO_HOST_CC NAMES gcc cc REQUIRED)
add_custom_command(
  OUTPUT ${PICTORO_PAYLOAD_PACK}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${host_tools}
  COMMAND ${PICTORO_HOST_CC} -c -O2 -I${CMAKE_SOURCE_DIR} -I/usr/include/lzma ${CMAKE_SOURCE_DIR}/payload/Lzma.c
          -o ${host_tools}/Lzma.o
  COMMAND ${PICTORO_HOST_CC} -c -O2 -w /usr/include/lzma/LzmaDec.c -o ${host_tools}/LzmaDec.o
  COMMAND ${PICTORO_HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tools/payload-pack/main.cpp
          ${CMAKE_SOURCE_DIR}/engine/PayloadCodec.cpp ${host_tools}/Lzma.o ${host_tools}/LzmaDec.o
          -o ${PICTORO_PAYLOAD_PACK}
  DEPENDS tools/payload-pack/main.cpp engine/PayloadCodec.cpp engine/PayloadCodec.h payload/Lzma.c payload/Lzma.h
  COMMENT "Building the host tool payload-pack"
  VERBATIM)
add_custom_command(
  OUTPUT ${PICTORO_INSTALLER_CRC}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${host_tools}
  COMMAND ${PICTORO_HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tools/installer-crc/main.cpp
          ${CMAKE_SOURCE_DIR}/engine/InstallerCrc.cpp ${CMAKE_SOURCE_DIR}/engine/PayloadCheck.cpp -o ${PICTORO_INSTALLER_CRC}
  DEPENDS tools/installer-crc/main.cpp engine/InstallerCrc.cpp engine/InstallerCrc.h engine/PayloadCheck.cpp
          engine/PayloadCheck.h
  COMMENT "Building the host tool installer-crc"
  VERBATIM)
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
