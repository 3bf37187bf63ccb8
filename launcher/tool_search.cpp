#include "launcher/tool_search.h"

#include <cwchar>

namespace {

constexpr wchar_t kFullWidthFirst = 0xFF01;  // full-width "!"
constexpr wchar_t kFullWidthLast = 0xFF5E;   // full-width "~"
constexpr wchar_t kFullWidthOffset = 0xFEE0;
constexpr wchar_t kIdeographicSpace = 0x3000;

wchar_t Folded(wchar_t c) {
    if (c >= kFullWidthFirst && c <= kFullWidthLast) c = static_cast<wchar_t>(c - kFullWidthOffset);
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return c;
}

wchar_t Widened(char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); }
wchar_t Widened(wchar_t c) { return c; }

bool IsSeparator(wchar_t c) { return c == L' ' || c == L'\t' || c == kIdeographicSpace; }

// Whether the term (length characters) occurs in text, folded alike.
template <typename Char>
bool Contains(const Char* text, const wchar_t* term, int length) {
    if (!text) return false;
    for (; *text; ++text) {
        int matched = 0;
        while (matched < length && text[matched] && Folded(Widened(text[matched])) == Folded(term[matched]))
            ++matched;
        if (matched == length) return true;
    }
    return false;
}

// The words of the inputs' labels find a tool too: "肌酐" the tools that take
// a creatinine.
bool LabelsContain(const ToolDef& tool, const wchar_t* term, int length) {
    for (int i = 0; i < tool.inputCount; ++i)
        if (Contains(tool.inputs[i].label, term, length)) return true;
    return false;
}

// A program name is found as it is typed, with ".exe" or without.
int WithoutExeSuffix(const wchar_t* term, int length) {
    static const wchar_t kSuffix[] = L".exe";
    constexpr int kSuffixLength = 4;
    if (length <= kSuffixLength) return length;
    for (int i = 0; i < kSuffixLength; ++i)
        if (Folded(term[length - kSuffixLength + i]) != kSuffix[i]) return length;
    return length - kSuffixLength;
}

bool TermMatches(const CatalogueEntry& entry, const wchar_t* term, int length) {
    const ToolDef& tool = *entry.tool;
    return Contains(tool.title, term, length) || Contains(tool.subtitle, term, length) ||
           Contains(tool.category, term, length) || Contains(entry.program, term, WithoutExeSuffix(term, length)) ||
           Contains(entry.keywords, term, length) || LabelsContain(tool, term, length);
}

}  // namespace

bool HasSearchTerms(const wchar_t* query) {
    for (const wchar_t* at = query ? query : L""; *at; ++at)
        if (!IsSeparator(*at)) return true;
    return false;
}

bool ToolMatches(const CatalogueEntry& entry, const wchar_t* query) {
    const wchar_t* at = query ? query : L"";
    while (*at) {
        while (IsSeparator(*at)) ++at;
        int length = 0;
        while (at[length] && !IsSeparator(at[length])) ++length;
        if (length > 0 && !TermMatches(entry, at, length)) return false;
        at += length;
    }
    return true;
}

int BuildToolRows(const CatalogueEntry* entries, int entryCount, const wchar_t* const* categories,
                  int categoryCount, const wchar_t* query, ToolRow* rows, int capacity) {
    int count = 0;
    for (int c = 0; c < categoryCount; ++c) {
        bool headed = false;
        for (int t = 0; t < entryCount && count < capacity; ++t) {
            if (std::wcscmp(entries[t].tool->category, categories[c]) != 0 || !ToolMatches(entries[t], query))
                continue;
            // A heading with no room for a tool under it would stand alone.
            if (!headed && count + 1 >= capacity) return count;
            if (!headed) rows[count++] = ToolRow{c, -1};
            headed = true;
            rows[count++] = ToolRow{c, t};
        }
    }
    return count;
}

int BuildLauncherRows(const CatalogueEntry* entries, int entryCount, const wchar_t* const* categories,
                      int categoryCount, const wchar_t* query, const int* recent, int recentCount, ToolRow* rows,
                      int capacity) {
    int count = 0;
    if (!HasSearchTerms(query) && recentCount > 0 && capacity > 1) {
        rows[count++] = ToolRow{kRecentRows, -1};
        for (int r = 0; r < recentCount && count < capacity; ++r)
            if (recent[r] >= 0 && recent[r] < entryCount) rows[count++] = ToolRow{kRecentRows, recent[r]};
    }
    return count + BuildToolRows(entries, entryCount, categories, categoryCount, query, rows + count, capacity - count);
}

int StepToolRow(const ToolRow* rows, int count, int from, int step) {
    if (from < 0 || from >= count) return NearestToolRow(rows, count, 0);
    for (int at = from + step; at >= 0 && at < count; at += step)
        if (IsToolRow(rows[at])) return at;
    return from;
}

int NearestToolRow(const ToolRow* rows, int count, int index) {
    if (index < 0) index = 0;
    for (int at = index; at < count; ++at)
        if (IsToolRow(rows[at])) return at;
    for (int at = (index < count ? index : count) - 1; at >= 0; --at)
        if (IsToolRow(rows[at])) return at;
    return -1;
}
