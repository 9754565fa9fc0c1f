// "Type text" on the map: a text cursor that typed characters write at, in the set's own codes,
// and a rectangle of cells the left button selects.
#pragma once

#include "app/event.h"
#include "app/windows_state.h"
#include "model/editor.h"

// The menu item: on, the cursor starts at the top left; off, the cursor and selection go.
void toggleTypingText(Editor& editor, MapTyping& typing);
// The map view's event while typing is on: true when it was the left button, a key or a
// character, which typing takes instead of painting.
bool handleTypingEvent(Editor& editor, MapTyping& typing, const Event& event);
// Whether the event is anything but typing on the map or input that edits nothing (the pointer
// moving, a timer): all else ends a run of typing, so that the run takes in no other edit.
bool endsTypingRun(const Event& event);
// Ends a run of typing as an undo step of its own.
void endTypingRun(Editor& editor, MapTyping& typing);
// The map's title says the character has no code in the set, until the next key.
void noteNoCode(MapTyping& typing, char32_t character);
// The space code of the set, which cleared cells take.
int spaceCode(const Document& document);
