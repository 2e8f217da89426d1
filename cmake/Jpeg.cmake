# libjpeg: the system library natively; for Windows compiled from Debian's libjpeg-turbo
# source package into the build tree when cross-compiling: static, no SIMD, no TurboJPEG API.
add_library(pictoro_jpeg INTERFACE)
if(NOT WIN32 OR CMAKE_HOST_WIN32)  # on a Windows host, its MinGW's libjpeg
  find_package(JPEG REQUIRED)
  target_link_libraries(pictoro_jpeg INTERFACE JPEG::JPEG)
  return()
endif()

include(ExternalProject)

set(JPEG_ROOT ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(JPEG_FETCH_DIR ${JPEG_ROOT}/fetch)
set(JPEG_INSTALL_DIR ${JPEG_ROOT}/install)

# The source is fetched once per build tree, at configure time, so that its folder is known.
file(GLOB JPEG_SOURCE_DIR LIST_DIRECTORIES true ${JPEG_FETCH_DIR}/libjpeg-turbo-*)
if(NOT JPEG_SOURCE_DIR)
  find_program(APT_GET apt-get REQUIRED)
  find_program(DPKG_SOURCE dpkg-source REQUIRED)
  file(MAKE_DIRECTORY ${JPEG_FETCH_DIR})
  message(STATUS "Fetching the libjpeg-turbo source package into ${JPEG_FETCH_DIR}")
  execute_process(
    COMMAND ${APT_GET} source -qq -o APT::Sandbox::User=root libjpeg-turbo
    WORKING_DIRECTORY ${JPEG_FETCH_DIR}
    RESULT_VARIABLE fetch_result)
  file(GLOB JPEG_SOURCE_DIR LIST_DIRECTORIES true ${JPEG_FETCH_DIR}/libjpeg-turbo-*)
  if(NOT fetch_result EQUAL 0 OR NOT JPEG_SOURCE_DIR)
    message(FATAL_ERROR "apt-get source libjpeg-turbo failed; scripts/setup adds the deb-src entry and dpkg-dev")
  endif()
endif()
list(GET JPEG_SOURCE_DIR 0 JPEG_SOURCE_DIR)

set(JPEG_LIBRARY ${JPEG_INSTALL_DIR}/lib/libjpeg.a)
set(JPEG_BUILD_DIR ${JPEG_ROOT}/build)
# Only the static library is built; its four public headers and the archive are copied out.
ExternalProject_Add(libjpeg_turbo
  SOURCE_DIR ${JPEG_SOURCE_DIR}
  BINARY_DIR ${JPEG_BUILD_DIR}
  PREFIX ${JPEG_ROOT}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${JPEG_INSTALL_DIR}
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_SIMD=OFF
    -DWITH_TURBOJPEG=OFF
    -DWITH_JAVA=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${JPEG_BUILD_DIR} --target jpeg-static
  INSTALL_COMMAND
    ${CMAKE_COMMAND} -E make_directory ${JPEG_INSTALL_DIR}/include ${JPEG_INSTALL_DIR}/lib
    COMMAND ${CMAKE_COMMAND} -E copy
      ${JPEG_BUILD_DIR}/jconfig.h ${JPEG_SOURCE_DIR}/jerror.h
      ${JPEG_SOURCE_DIR}/jmorecfg.h ${JPEG_SOURCE_DIR}/jpeglib.h
      ${JPEG_INSTALL_DIR}/include
    COMMAND ${CMAKE_COMMAND} -E copy ${JPEG_BUILD_DIR}/libjpeg.a ${JPEG_INSTALL_DIR}/lib
  BUILD_BYPRODUCTS ${JPEG_BUILD_DIR}/libjpeg.a ${JPEG_LIBRARY}
  LOG_CONFIGURE ON
  LOG_BUILD ON
  LOG_OUTPUT_ON_FAILURE ON)

file(MAKE_DIRECTORY ${JPEG_INSTALL_DIR}/include)
target_include_directories(pictoro_jpeg SYSTEM INTERFACE ${JPEG_INSTALL_DIR}/include)
target_link_libraries(pictoro_jpeg INTERFACE ${JPEG_LIBRARY})
add_dependencies(pictoro_jpeg libjpeg_turbo)
