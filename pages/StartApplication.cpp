#include "pages/StartApplication.h"

#include "platform/Platform.h"

std::string ApplicationCommandLine(const std::string& installDir) {
    return "\"" + installDir + "Pictoro.Exe\"";
}

void StartApplication(const std::string& installDir) {
    platform::WinExec(ApplicationCommandLine(installDir), platform::SwShowMaximized);
}
