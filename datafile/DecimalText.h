// The decimal text of a real as the data file stores it: what printf's "%.15g" writes, made
// here so that the installer carries no C library formatter.
#pragma once

#include <string>

// At most 15 significant digits, correctly rounded (ties to even); fixed notation for
// decimal exponents from -4 to 14, else d.ddde+XX; trailing zeros and a bare point dropped.
// "0" for zero, "inf" and "nan" for what is no number.
std::string DecimalText(double value);
