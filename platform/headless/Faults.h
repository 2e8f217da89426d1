// Faults injected by tests, looked up by Windows path.
#pragma once

#include <string>

#include "platform/headless/State.h"

namespace platform::headless {

// The fault for a Windows path, or one of kind None.
InjectedFault FaultFor(const std::string& windowsPath);

// The I/O code an access-denied or in-use fault gives a path, else 0.
int AccessFaultCode(const std::string& windowsPath);

} // namespace platform::headless
