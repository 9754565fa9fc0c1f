// What gridlet --help prints.
#pragma once

#include <string>

std::string conversionHelp();
