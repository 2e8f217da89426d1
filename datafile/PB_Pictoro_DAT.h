// The initial data file of a fresh installation: the user's choices, the default
// settings and the site directory, written in the record format of LIB_Data1_ReadWrite.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/TextFile.h"

using TNamedSetting = std::pair<std::string, std::string>; // name, value

// The 679 named settings in file order: 15 general ones, then the site directory.
std::vector<TNamedSetting> DefaultSettings();

// WriteMarker 203, then name and value as scrambled strings, through DataWriter.
void WritePair(platform::TextFile& file, const std::string& name, const std::string& value);
// The remote-settings list: its marker, fixed fields, named settings and end marker.
void WriteDefaultSettings(platform::TextFile& file);

// Simultaneous threads for a connection kind of the connection page (20 for any other value).
int ThreadsForConnection(int connectionKind);

struct TWizardChoices {
    std::string InstallDir; // ends in a backslash
    std::string DownloadDir;
    int ConnectionKind = -1;
};

// The file is written under this name in the same directory and put in place of the data
// file only once it was closed without error.
std::string TemporaryFileFor(const std::string& fileName);

// Creates or replaces the data file. On any failure the temporary file is removed, an
// earlier data file stays as it was, and the exception (EInOutError for I/O) is passed on.
// The write reports progressPosition twice, after the settings and after the first end marker.
void WriteInitialDataFile(const std::string& fileName, const TWizardChoices& choices, unsigned progressPosition,
                          const std::function<void(unsigned)>& setProgress);
