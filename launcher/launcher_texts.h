// The texts the launcher shows, and its program name. Portable, so every
// character is tested natively and under Wine.
#pragma once

// The launcher's program name, without ".exe". The build reads it from here
// (cmake/tool_list.cmake), so the exe and the package list follow it.
extern const char kLauncherProgram[];
// Its window caption and title. The build reads this one too.
extern const wchar_t kLauncherTitle[];

extern const wchar_t kSearchCaption[];
extern const wchar_t kOpenButtonCaption[];
extern const wchar_t kLauncherAboutButtonCaption[];
extern const wchar_t kLauncherAboutCaption[];
extern const wchar_t kNoMatchText[];
extern const wchar_t kOpenFailedCaption[];
// The heading of the tools opened last.
extern const wchar_t kRecentHeading[];

constexpr int kLauncherSubtitleCapacity = 128;
constexpr int kLauncherStatusCapacity = 128;
constexpr int kLauncherAboutCapacity = 512;
constexpr int kOpenFailedMessageCapacity = 1024;

// The header's subtitle line with the number of tools.
void FormatLauncherSubtitle(int toolCount, wchar_t* out, int capacity);

// The status line: how many tools the list shows, and the keys.
void FormatListStatus(int shown, int total, bool searching, wchar_t* out, int capacity);

// "已打开：%ls" with the opened tool's title.
void FormatOpenedStatus(const wchar_t* title, wchar_t* out, int capacity);

void BuildLauncherAboutText(int toolCount, wchar_t* out, int capacity);

// The warnings of a tool that did not open, naming its program file and its
// title: missing, or there but not started (with the system's error code).
void FormatProgramMissingMessage(const wchar_t* path, const wchar_t* title, wchar_t* out, int capacity);
void FormatProgramNotStartedMessage(const wchar_t* path, const wchar_t* title, unsigned long error, wchar_t* out,
                                    int capacity);
