// The load configuration of the exe. Its DependentLoadFlags, LOAD_LIBRARY_SEARCH_SYSTEM32, make
// Windows 10 1607 and later look for the DLLs that system DLLs load by name in the system folder
// only, never beside the downloaded installer. The linker writes a load configuration only when
// the program defines this symbol, and mingw-w64's runtime defines none. The value is set here
// rather than by the linker's -dependentloadflag, which lld's MinGW driver passes on only from
// version 19. The layout is the whole one of current Windows; the other fields are zero.
#include <cstdint>

struct alignas(sizeof(void*)) LoadConfiguration {
    std::uint32_t Size;
    std::uint8_t BeforeFlags[sizeof(void*) == 8 ? 72 : 48]; // TimeDateStamp to ProcessHeapFlags
    std::uint16_t CSDVersion;
    std::uint16_t DependentLoadFlags;
    std::uint8_t AfterFlags[sizeof(void*) == 8 ? 240 : 136]; // EditList to GuardMemcpyFunctionPointer
};
static_assert(sizeof(LoadConfiguration) == (sizeof(void*) == 8 ? 320 : 192));

// The linker's name for it; i686 adds its leading underscore to this one as to every C name.
extern "C" const LoadConfiguration _load_config_used = {sizeof(LoadConfiguration), {}, 0, 0x0800, {}};
