#include "platform/headless/Faults.h"

#include "platform/headless/Paths.h"

namespace platform::headless {

void InjectFault(const std::string& pathSuffix, Fault fault, std::uint64_t afterBytes)
{
    State().Faults.push_back({LowerCase(pathSuffix), fault, afterBytes});
}

void ClearFaults() { State().Faults.clear(); }

InjectedFault FaultFor(const std::string& windowsPath)
{
    std::string path = LowerCase(windowsPath);
    for (const InjectedFault& fault : State().Faults) {
        const std::string& suffix = fault.PathSuffix;
        if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            return fault;
    }
    return {};
}

int AccessFaultCode(const std::string& windowsPath)
{
    switch (FaultFor(windowsPath).Kind) {
    case Fault::AccessDenied: return ioAccessDenied;
    case Fault::InUse: return ioSharingViolation;
    default: return ioOK;
    }
}

} // namespace platform::headless
