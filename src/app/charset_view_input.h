// Mouse and keys on the charset view: choosing, dragging, inserting and deleting glyphs.
#pragma once

#include "app/event.h"
#include "app/windows_state.h"
#include "model/editor.h"

void handleCharsetViewEvent(Editor& editor, WindowsState& windows, const Event& event,
                            FollowUp& followUp);
