// File > Export: the set, or the range when the range box is ticked, in the formats other
// programs and machines read; the map as C source and as the machine shows it; and the whole work
// as other editors keep it and as programs that show it on the machines.
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
void exportCharpad(const Editor& editor, WindowsState& windows);
void exportVchar64(const Editor& editor, WindowsState& windows);
void exportPetmate(const Editor& editor, WindowsState& windows);
// A machine's program needs the map size the machine shows; any other is reported before a name
// is asked for.
void exportC64Program(const Editor& editor, WindowsState& windows);
void exportAtariExecutable(const Editor& editor, WindowsState& windows);
void exportSpectrumScreen(const Editor& editor, WindowsState& windows);
void exportSpectrumTape(const Editor& editor, WindowsState& windows);
