#include "engine/UpgradeRun.h"

void RunUpgrade(const std::string& InstallDir, const TRunProgressEvent& OnProgress) {
    WriteApplication(InstallDir, [&](std::int64_t position) { OnProgress(std::uint32_t(position)); });
    OnProgress(UpgradeRunMaximum);
}
