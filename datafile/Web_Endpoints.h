// The web addresses that the installer writes into the data file and that the text
// packer's dictionary knows. Each is "http://" and a host, without a trailing slash.
#pragma once

// The maker's primary web site.
inline constexpr const char* MakerSiteAddress = "http://www.korvane.example";
// The product's own web site.
inline constexpr const char* ProductSiteAddress = "http://www.pictoro.example";
// A second host serving the maker's files under the user directory "/~korvane".
inline constexpr const char* MirrorSpaceAddress = "http://home.webspace.example";
// The host that counts uses and installations.
inline constexpr const char* CounterHostAddress = "http://count.tallyhost.example";
// Two web search services that addresses in the application's settings often start with.
inline constexpr const char* SearchServiceAddress1 = "http://www.findmore.example";
inline constexpr const char* SearchServiceAddress2 = "http://www.seekwide.example";
