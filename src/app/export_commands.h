// File > Export: the set, or the range when the range box is ticked, in the formats other
// programs and machines read; and the map as C source and as the machine shows it.
#pragma once

#include "app/windows_state.h"
#include "model/editor.h"

void exportPng(const Editor& editor, WindowsState& windows);
void exportPsf(const Editor& editor, WindowsState& windows);
void exportBdf(const Editor& editor, WindowsState& windows);
void exportC64Font(const Editor& editor, WindowsState& windows);
void exportCSource(const Editor& editor, WindowsState& windows);
void exportAssembler(const Editor& editor, WindowsState& windows);
void exportBasicData(const Editor& editor, WindowsState& windows);
void exportMapCSource(const Editor& editor, WindowsState& windows);
void exportMapPicture(const Editor& editor, WindowsState& windows);
