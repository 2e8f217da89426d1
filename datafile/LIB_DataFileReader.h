// Reads back a data file of format version 0 as the installer writes it, checking every
// byte; a file that differs raises EDataFileFormat naming what was expected and where.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TDataFileContent {
    int FormatVersion = 0;
    std::size_t KeySeedLength = 0;
    // Header
    std::string DownloadDir;
    std::string CacheDir;
    std::string DownloadLocation1;
    std::string DownloadLocation2;
    // Performance record
    std::int32_t Threads = 0;
    std::int32_t MaxSpeed = 0;
    // Fixed fields of the remote-settings list; the packed ones unpacked
    std::string RemSetPath1;
    std::string RemSetPath2;
    std::string RemSetPath3;
    std::string RemSetFile;
    std::int32_t RemSetDelay = 0;
    std::int32_t RemSetInterval = 0;
    std::int32_t RemSetRetryInterval = 0;
    double RemSetSuspendedTill = 0;
    double SecondDateTime = 0;
    std::int32_t LastField = 0;
    // Named settings in file order: name, value
    std::vector<std::pair<std::string, std::string>> Settings;
};

// Reads the file through the text channel; sets KeyTable from the file's seed.
// Raises EDataFileFormat for a file that is not such a data file, EInOutError for I/O.
TDataFileContent ReadDataFile(const std::string& path);
