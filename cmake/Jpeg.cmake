# libjpeg: the system library natively; for Windows compiled from Debian's libjpeg-turbo
# source package into the build tree (see the Windows branch).
add_library(pictoro_jpeg INTERFACE)
if(NOT WIN32)
  find_package(JPEG REQUIRED)
  target_link_libraries(pictoro_jpeg INTERFACE JPEG::JPEG)
else()
  # TODO(build): libjpeg-turbo from the Debian source package, static, SIMD off.
endif()
