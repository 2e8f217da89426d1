// The start's check of the whole installer file against the CRC-32 the build stored in it
// (engine/InstallerCrc): the code, the texts, the data file's tables and the carried
// application alike.
#pragma once

// False when the program's file cannot be read, was never given a value, or differs from it.
bool InstallerIntact();
