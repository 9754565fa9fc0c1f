// The gadgets around the editor: the range trackbars and box, and the four shift buttons.
#pragma once

#include "app/app_state.h"
#include "app/event.h"

void handleGadgetEvent(AppState& state, const Event& event, FollowUp& followUp);
