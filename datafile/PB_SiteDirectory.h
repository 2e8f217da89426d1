// The directory of picture web sites that a fresh data file carries, group by group.
#pragma once

#include <string>
#include <vector>

struct TSiteEntry {
    std::string Host; // the start address is "http://" and the host
    int MinImageSize = 20;
    int MinWidth = 300;
    int MinHeight = 300;
    std::string Description1;
    std::string Description2;
    std::vector<std::string> Blocked; // address prefixes, host and path without scheme
};

struct TSiteGroup {
    std::string Name;
    std::vector<TSiteEntry> Sites;
};

const std::vector<TSiteGroup>& SiteDirectory();

// A site's title: its host without "www." and with a capital first letter.
std::string SiteTitle(const std::string& host);
