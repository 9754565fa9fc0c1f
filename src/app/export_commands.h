// File > Export: the set, or the range when the range box is ticked, in the formats other
// programs and machines read; and the map as C source.
#pragma once

#include "app/app_state.h"

void exportPng(AppState& state);
void exportPsf(AppState& state);
void exportBdf(AppState& state);
void exportC64Font(AppState& state);
void exportCSource(AppState& state);
void exportAssembler(AppState& state);
void exportBasicData(AppState& state);
void exportMapCSource(AppState& state);
