// Reading back what a run left on the virtual machine.
#pragma once

#include <map>
#include <string>
#include <vector>

// The header of a data file, decoded: version, the three wizard strings, the next marker,
// the threads.
std::vector<std::string> DecodeDataFileStart(const std::string& windowsPath);

// A link file of the headless shell as its fields ("Path", "Arguments", ...).
using Link = std::map<std::string, std::string>;
Link ReadLink(const std::string& windowsPath);

// True when the file holds exactly the payload image.
bool ExecutableIsTheImage(const std::string& windowsPath);
