// The tools this user opened last, most recent first, kept in a small text
// file of the suite's local application-data folder: one program name a
// line. Portable, so the reading and writing are tested natively; a file
// that is missing or cannot be read simply means none.
#pragma once

#include "engine/platform.h"
#include "engine/tool_catalogue.h"

constexpr int kMaxRecentTools = 8;
constexpr int kRecentFileCapacity = kPathCapacity;

struct RecentTools {
    int tools[kMaxRecentTools];  // catalogue indexes
    int count;
};

// The file's text read against the catalogue: names it does not hold,
// repeats and lines past the eighth are passed over; "\r\n" or "\n" ends a
// line.
RecentTools ParseRecentTools(const char* text, const CatalogueEntry* entries, int entryCount);

// The tool opened now goes first; the others follow, the eighth one kept.
void NoteToolOpened(RecentTools* recent, int tool);

// The file's text: each program name and "\r\n". False when it does not fit.
bool FormatRecentTools(const RecentTools& recent, const CatalogueEntry* entries, char* out, int capacity);

// "<base>\TolmMedSuite\recent.txt" into kRecentFileCapacity characters;
// false when base is unknown or the path does not fit.
bool FormatRecentFile(wchar_t* path, const wchar_t* baseFolder);

// The file at path, or none.
RecentTools LoadRecentTools(const wchar_t* path, const CatalogueEntry* entries, int entryCount);

// Writes the file, making its folder first. False when it could not.
bool SaveRecentTools(const wchar_t* path, const RecentTools& recent, const CatalogueEntry* entries);
