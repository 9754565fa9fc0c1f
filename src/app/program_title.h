// The program's name and version as its main window and --version show them.
#pragma once

constexpr const char* programTitle = "gridlet v2 0.9f";
