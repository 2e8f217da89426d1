#include "payload/Lzma.h"

#include <stdlib.h>

#include "LzmaDec.h"

static void* Allocate(void* unused, size_t size) {
    (void)unused;
    return malloc(size);
}

static void Release(void* unused, void* address) {
    (void)unused;
    free(address);
}

enum { HeaderSize = LZMA_PROPS_SIZE + 8 };

static uint64_t SizeField(const uint8_t* field) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | field[i];
    return value;
}

int LzmaDecodeImage(uint8_t* image, size_t size, const uint8_t* stream, size_t streamSize) {
    if (streamSize < HeaderSize) return 0;
    /* All ones: the size is not given and the stream ends with its mark. */
    const uint64_t field = SizeField(stream + LZMA_PROPS_SIZE);
    if (field != UINT64_MAX && field != (uint64_t)size) return 0;
    ISzAlloc alloc = {Allocate, Release};
    SizeT written = size;
    SizeT read = streamSize - HeaderSize;
    ELzmaStatus status;
    SRes result = LzmaDecode(image, &written, stream + HeaderSize, &read, stream, LZMA_PROPS_SIZE, LZMA_FINISH_END,
                             &status, &alloc);
    int finished = status == LZMA_STATUS_FINISHED_WITH_MARK ||
        (status == LZMA_STATUS_MAYBE_FINISHED_WITHOUT_MARK && field == (uint64_t)size);
    return result == SZ_OK && finished && written == size && read == streamSize - HeaderSize;
}
