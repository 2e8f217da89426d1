// The decoded content of a data file as JSON.
#pragma once

#include <ostream>

#include "datafile/LIB_DataFileReader.h"

void WriteJson(std::ostream& out, const TDataFileContent& content);
