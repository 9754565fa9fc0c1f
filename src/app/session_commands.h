// The session kept across quits and crashes, and the fonts and maps opened or saved last. The
// session is written two seconds after the last change and at quit, on a thread of its own.
#pragma once

#include <string>

#include "app/app_state.h"

constexpr int sessionTimer = 0;
constexpr int sessionDelay = 2000; // milliseconds after the last change

// At start: the session the last run kept and the recent files, read without a word whatever
// state their files are in.
void readKeptFiles(SessionKeeper& session);
// Saves written in place keep the old contents under the state folder until they end; a backup
// left over by a save that was killed is told with where it is.
void keepInPlaceBackups();
void tellLeftoverBackups();
// The start-up state is what this run has kept so far: it writes nothing until it changes.
void startKeepingSession(SessionKeeper& session, const Editor& editor);
// After every event: a change of the editor starts the two seconds anew. The first failed keep
// of a run is told, with the folder and why.
void noteSessionChanges(SessionKeeper& session, const Editor& editor);
// The two seconds are over: the session goes to disk.
void keepSession(SessionKeeper& session, const Editor& editor);
// At quit: what changed since the last write goes to disk, and is there when the program ends.
void keepSessionAtQuit(SessionKeeper& session, const Editor& editor);

// File > "Restore last session": the session the last run kept, as one undo step.
void restoreLastSession(AppState& state);

// The editor's document and current glyph, as a session or project keeps them.
Session sessionOf(const Editor& editor);
// Every field the session keeps back in the editor, as one undo step, its char the current one,
// and the windows showing it.
void placeSession(AppState& state, const Session& session);
// The same in the editor alone, for a program with no windows.
void placeSessionFields(Editor& editor, const Session& session);

// A font or map opened or saved goes first in the list of recent files; one that is gone leaves
// it. The menu bar shows the list anew after the event.
void rememberRecentFile(SessionKeeper& session, RecentFile::Kind kind, const std::string& name);
void forgetRecentFile(SessionKeeper& session, int index);
