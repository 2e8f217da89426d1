// The upgrade path on the virtual machine: installations made beforehand, the way from the
// welcome page to the search, and a fresh start of the program with a command line.
#pragma once

#include <string>
#include <vector>

#include "RunResults.h"
#include "WizardFixture.h"

class UpgradeTest : public WizardTest {
protected:
    static constexpr const char* EarlierExecutable = "the earlier Pictoro.Exe";

    // A data file whose first logical byte is Version (written escaped as 31, 84 + Version
    // when Escaped), followed by Rest, and an earlier Pictoro.Exe beside it.
    void MakeInstallation(const std::string& dir, int version, bool escaped = false,
                          const std::string& rest = "rest of the data file");
    std::string DataFileBytes(int version, bool escaped, const std::string& rest) const;

    // Welcome, disclaimer, "Upgrade an existing installation", Next: the search runs.
    void StartSearch();

    // Ends the program running now and starts it again as Windows would with this command
    // line; stops on the welcome page before the start timer's first tick.
    void RestartWith(const std::string& commandLine);
    // Lets the start timer tick. Returns true when the program ended through Halt.
    bool TickStartTimer();

    std::vector<std::string> StartedCommandLines() const; // "show|command line" each
};
