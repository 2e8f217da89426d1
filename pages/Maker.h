// The maker of Pictoro as the pages name it, and where it can be reached.
#pragma once

#include <string>

inline const std::string MakerLegalName = "Korvane Software B.V.";
inline const std::string MakerContactAddress = "info@korvane.example";
