// What the launcher does for the user: filter the list as the search box
// changes, move and keep the selection on tools, open the selected tool,
// clear the search, show the About box.
#pragma once

#include <windows.h>

// The search box changed: the list shows the matching tools, the first one
// selected.
void OnSearchChanged();

// Up (-1) or Down (+1), from the search box or the list: the next tool row,
// passing over headings.
void OnMoveSelection(int step);

// Page Up (-1) or Page Down (+1): a list's height of tools further.
void OnMovePage(int step);

// The list moved its selection itself (mouse, Home, Page Down ...): a
// heading passes it on to the nearest tool.
void OnListSelectionChanged();

// Starts the selected tool's program from the launcher's own folder and
// leaves the launcher open; a program that is missing or does not start gets
// a warning naming it, and nothing else happens.
void OnOpenTool();

// Esc: empties the search box, so the whole list shows again.
void OnClearSearch();

void OnLauncherAbout();

// A key typed in the list goes to the search box instead.
void ForwardCharToSearch(WPARAM character, LPARAM flags);
