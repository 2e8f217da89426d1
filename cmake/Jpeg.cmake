# libjpeg for the headless backend; the Win32 backend decodes JPEG with what Windows provides.
add_library(pictoro_jpeg INTERFACE)
find_package(JPEG REQUIRED)
target_link_libraries(pictoro_jpeg INTERFACE JPEG::JPEG)
