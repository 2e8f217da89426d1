/* Debian's lzma-dev decoder behind plain C types, so that its Types.h (which includes the
   Windows header on Windows) stays out of the system's code. */
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Decodes a stream of the .lzma format (5 property bytes, the 64-bit size or all ones, then the
   LZMA data with or without an end mark) into exactly size bytes at image. Returns 1 only when
   the stream decodes without error to exactly size bytes and ends there; 0 otherwise. */
int LzmaDecodeImage(uint8_t* image, size_t size, const uint8_t* stream, size_t streamSize);

#ifdef __cplusplus
}
#endif
