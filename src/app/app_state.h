// The program's state in its three parts: the editor (the document, the current glyph, the
// undo history), the windows' state and the session keeper. Handlers and commands take the
// parts they use.
#pragma once

#include "app/session_keeper.h"
#include "app/windows_state.h"
#include "model/editor.h"

struct AppState {
    Editor editor;
    WindowsState windows;
    SessionKeeper session;
};
