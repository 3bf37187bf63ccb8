// Finding tools as the launcher's search box does, and the rows of its list.
// Portable, so the matching is tested natively.
#pragma once

#include "engine/tool_catalogue.h"

// At most 63 characters of the search box are read.
constexpr int kSearchTextCapacity = 64;

// True when every term of query occurs in one of the entry's texts: title,
// subtitle, category, program name or keywords. Terms are separated by
// spaces (the full-width one too); ASCII letters match in either case, and a
// full-width letter or digit, as a Chinese input method may type it, matches
// its ASCII form. A query without terms matches every tool.
bool ToolMatches(const CatalogueEntry& entry, const wchar_t* query);

// Whether query holds a term at all: a query of spaces lists every tool.
bool HasSearchTerms(const wchar_t* query);

// One row of the launcher's list: a category heading, or a tool under it.
struct ToolRow {
    int category;  // index into the categories, or kRecentRows
    int tool;      // index into the entries; -1 on a heading
};

// The "category" of the tools opened last, above the others.
constexpr int kRecentRows = -1;

inline bool IsToolRow(const ToolRow& row) { return row.tool >= 0; }

// Room for every row of the suite: a test keeps the catalogue within it.
constexpr int kMaxToolRows = 256;

// The rows for query: each category, in the given order, that has a matching
// tool gets its heading followed by those tools in list order. A tool whose
// category is not among the given ones is not listed. Writes at most
// capacity rows and returns their number.
int BuildToolRows(const CatalogueEntry* entries, int entryCount, const wchar_t* const* categories,
                  int categoryCount, const wchar_t* query, ToolRow* rows, int capacity);

// The rows the launcher lists: with no search terms, the recent tools (most
// recent first) under their own heading, then BuildToolRows's.
int BuildLauncherRows(const CatalogueEntry* entries, int entryCount, const wchar_t* const* categories,
                      int categoryCount, const wchar_t* query, const int* recent, int recentCount, ToolRow* rows,
                      int capacity);

// The tool row one step (+1 down, -1 up) from row from, passing over
// headings; from itself when there is none that way, the first tool row
// when from is no row, -1 when there are no tool rows.
int StepToolRow(const ToolRow* rows, int count, int from, int step);

// Row index when it is a tool row; otherwise the first tool row after it,
// or failing that the last before it; -1 when there are no tool rows.
int NearestToolRow(const ToolRow* rows, int count, int index);
