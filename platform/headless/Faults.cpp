#include "platform/headless/Faults.h"

#include "platform/Strings.h"
#include "platform/headless/Paths.h"

namespace platform::headless {

void InjectFault(const std::string& pathSuffix, Fault fault, std::uint64_t afterBytes) {
    State().Faults.push_back({LowerCase(pathSuffix), fault, afterBytes});
}

void ClearFaults() {
    State().Faults.clear();
}

namespace {

bool EndsWithLowerCase(const std::string& path, const std::string& lowerSuffix) {
    if (path.size() < lowerSuffix.size()) return false;
    std::size_t start = path.size() - lowerSuffix.size();
    for (std::size_t i = 0; i < lowerSuffix.size(); ++i)
        if (LowerCase(path[start + i]) != lowerSuffix[i]) return false;
    return true;
}

} // namespace

InjectedFault FaultFor(const std::string& windowsPath) {
    for (const InjectedFault& fault : State().Faults)
        if (EndsWithLowerCase(windowsPath, fault.PathSuffix)) return fault;
    return {};
}

int AccessFaultCode(const std::string& windowsPath) {
    switch (FaultFor(windowsPath).Kind) {
    case Fault::AccessDenied: return ioAccessDenied;
    case Fault::InUse: return ioSharingViolation;
    default: return ioOK;
    }
}

} // namespace platform::headless
