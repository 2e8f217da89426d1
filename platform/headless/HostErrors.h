// Host errors as the I/O codes the virtual Windows reports.
#pragma once

namespace platform::headless {

int ErrnoCode(int error);

} // namespace platform::headless
