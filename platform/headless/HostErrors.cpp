#include "platform/headless/HostErrors.h"

#include <cerrno>

#include "platform/Platform.h"

namespace platform::headless {

int ErrnoCode(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG: return ioPathNotFound;
    case EMFILE:
    case ENFILE: return ioTooManyOpenFiles;
    case ENOSPC:
    case EDQUOT: return ioDiskFull;
    default: return ioAccessDenied;
    }
}

} // namespace platform::headless
