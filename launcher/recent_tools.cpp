#include "launcher/recent_tools.h"

#include <cstdio>
#include <cstring>

#include "engine/platform.h"
#include "engine/text.h"
#include "store/record_log.h"
#include "store/utf8_file.h"

namespace {

// Eight names of at most 63 characters and their line ends, with room over.
constexpr int kRecentTextCapacity = 1024;
const wchar_t kRecentTail[] = L"\\TolmMedSuite";
const wchar_t kRecentName[] = L"\\recent.txt";

int EntryNamed(const char* name, int length, const CatalogueEntry* entries, int entryCount) {
    for (int t = 0; t < entryCount; ++t)
        if (static_cast<int>(std::strlen(entries[t].program)) == length &&
            std::strncmp(entries[t].program, name, static_cast<size_t>(length)) == 0)
            return t;
    return -1;
}

bool Holds(const RecentTools& recent, int tool) {
    for (int i = 0; i < recent.count; ++i)
        if (recent.tools[i] == tool) return true;
    return false;
}

}  // namespace

RecentTools ParseRecentTools(const char* text, const CatalogueEntry* entries, int entryCount) {
    RecentTools recent = {{}, 0};
    const char* line = text ? text : "";
    while (*line && recent.count < kMaxRecentTools) {
        int length = 0;
        while (line[length] && line[length] != '\r' && line[length] != '\n') ++length;
        int tool = EntryNamed(line, length, entries, entryCount);
        if (tool >= 0 && !Holds(recent, tool)) recent.tools[recent.count++] = tool;
        line += length;
        while (*line == '\r' || *line == '\n') ++line;
    }
    return recent;
}

void NoteToolOpened(RecentTools* recent, int tool) {
    int end = recent->count < kMaxRecentTools ? recent->count : kMaxRecentTools - 1;
    for (int i = 0; i < recent->count; ++i)
        if (recent->tools[i] == tool) end = i;
    for (int i = end; i > 0; --i) recent->tools[i] = recent->tools[i - 1];
    recent->tools[0] = tool;
    if (end == recent->count) ++recent->count;
}

bool FormatRecentTools(const RecentTools& recent, const CatalogueEntry* entries, char* out, int capacity) {
    if (capacity <= 0) return false;
    out[0] = '\0';
    int used = 0;
    for (int i = 0; i < recent.count; ++i) {
        int n = std::snprintf(out + used, static_cast<size_t>(capacity - used), "%s\r\n", entries[recent.tools[i]].program);
        if (n < 0 || used + n >= capacity) return false;
        used += n;
    }
    return true;
}

bool FormatRecentFile(wchar_t* path, const wchar_t* baseFolder) {
    path[0] = L'\0';
    if (!baseFolder || !baseFolder[0]) return false;
    int length = TextLength(baseFolder) + TextLength(kRecentTail) + TextLength(kRecentName);
    if (length >= kRecentFileCapacity) return false;
    FormatCut(path, kRecentFileCapacity, L"%ls%ls%ls", baseFolder, kRecentTail, kRecentName);
    return true;
}

RecentTools LoadRecentTools(const wchar_t* path, const CatalogueEntry* entries, int entryCount) {
    char text[kRecentTextCapacity] = "";
    if (FILE* file = path && path[0] ? OpenFile(path, "rb") : nullptr) {
        size_t read = std::fread(text, 1, sizeof text - 1, file);
        text[read] = '\0';
        std::fclose(file);
    }
    return ParseRecentTools(text, entries, entryCount);
}

bool SaveRecentTools(const wchar_t* path, const RecentTools& recent, const CatalogueEntry* entries) {
    char text[kRecentTextCapacity];
    if (!path || !path[0] || !FormatRecentTools(recent, entries, text, kRecentTextCapacity)) return false;
    wchar_t folder[kRecentFileCapacity];
    CopyCut(folder, kRecentFileCapacity, path);
    int cut = TextLength(folder) - TextLength(kRecentName);
    if (cut > 0) folder[cut] = L'\0';
    CreateFolderChain(folder);
    return WriteFileBytes(path, text, std::strlen(text));
}
