// The mouse on the map view: painting cells, the hover outline and title, the edit menu; while
// typing, the keys and the selection.
#pragma once

#include "app/event.h"
#include "app/windows_state.h"
#include "model/editor.h"

void handleMapViewEvent(Editor& editor, WindowsState& windows, const Event& event,
                        FollowUp& followUp);
