#include "resources/Embedded.h"

#include <array>
#include <string_view>

// Each file lies between a begin and an end symbol, defined by the generated EmbeddedData.s.
#define PICTORO_EMBED(id, name)                                     \
    extern "C" const unsigned char pictoro_embedded_##id##_begin[]; \
    extern "C" const unsigned char pictoro_embedded_##id##_end[];
#include "EmbeddedFiles.inc"
#undef PICTORO_EMBED

namespace {

struct Entry {
    std::string_view Name;
    const unsigned char* Begin;
    const unsigned char* End;
};

#define PICTORO_EMBED(id, name) Entry{name, pictoro_embedded_##id##_begin, pictoro_embedded_##id##_end},
const auto Entries = std::to_array<Entry>({
#include "EmbeddedFiles.inc"
});
#undef PICTORO_EMBED

} // namespace

EmbeddedFile EmbeddedResource(const std::string& name) {
    for (const Entry& entry : Entries)
        if (entry.Name == name) return {entry.Begin, static_cast<std::size_t>(entry.End - entry.Begin)};
    return {nullptr, 0};
}
