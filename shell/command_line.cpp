#include "shell/command_line.h"

#include <cwchar>

#include "engine/text.h"
#include "shell/input_reading.h"

namespace {

const wchar_t kSelfTestSwitch[] = L"--selftest";
const wchar_t kDefaultReportPath[] = L"selftest.txt";
const wchar_t kDefaultSuiteReportPath[] = L"suite-selftest.txt";
const wchar_t kCalcSwitch[] = L"--calc";

// Room for the longest path and for any key=value worth reading:
// a longer key is unknown and a longer value is rejected either way.
constexpr int kArgumentCapacity = kReportPathCapacity;

bool ParsePathAfterSwitch(const wchar_t* commandLine, const wchar_t* defaultPath, wchar_t* path) {
    path[0] = L'\0';
    const wchar_t* at = FindSelfTestSwitch(commandLine);
    if (!at) return false;
    at += sizeof kSelfTestSwitch / sizeof kSelfTestSwitch[0] - 1;
    while (*at == L' ') ++at;
    wchar_t end = L' ';
    if (*at == L'"') {
        ++at;
        end = L'"';
    }
    int length = 0;
    while (at[length] && at[length] != end && length < kReportPathCapacity - 1) {
        path[length] = at[length];
        ++length;
    }
    path[length] = L'\0';
    if (length == 0) CopyCut(path, kReportPathCapacity, defaultPath);
    return true;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Puts c at position length of argument when it fits; counts it either way.
void Put(wchar_t* argument, int capacity, int* length, wchar_t c) {
    if (*length < capacity - 1) argument[*length] = c;
    ++*length;
}

// The input of tool whose key is the first keyLength characters of text, or -1.
int InputIndexOfKey(const ToolDef& tool, const wchar_t* text, int keyLength) {
    for (int i = 0; i < tool.inputCount && i < kMaxInputs; ++i) {
        const char* key = tool.inputs[i].key;
        int n = 0;
        while (n < keyLength && key[n] && static_cast<unsigned char>(key[n]) == text[n]) ++n;
        if (n == keyLength && !key[n]) return i;
    }
    return -1;
}

int KeyLength(const wchar_t* argument) {
    const wchar_t* equals = std::wcschr(argument, L'=');
    return equals ? static_cast<int>(equals - argument) : -1;
}

bool IsCalcSwitch(const wchar_t* argument, int length) {
    return length == TextLength(kCalcSwitch) && std::wcscmp(argument, kCalcSwitch) == 0;
}

// True when the command line holds "--calc" as an argument of its own.
bool HasCalcSwitch(const wchar_t* commandLine) {
    const wchar_t* cursor = SkipProgramName(commandLine);
    wchar_t argument[kArgumentCapacity];
    for (int length; (length = NextArgument(&cursor, argument, kArgumentCapacity)) >= 0;)
        if (IsCalcSwitch(argument, length)) return true;
    return false;
}

CalcCommand ReadPath(const ToolDef& tool, const wchar_t* argument, int length, wchar_t* path) {
    if (length == 0) return CalcNoPath;
    // "--calc w=80" has forgotten its path; a file named "w=80" is no test case.
    int keyLength = KeyLength(argument);
    if (keyLength >= 0 && InputIndexOfKey(tool, argument, keyLength) >= 0) return CalcNoPath;
    if (length > kReportPathCapacity - 1) return CalcPathTooLong;
    CopyCut(path, kReportPathCapacity, argument);
    return CalcAccepted;
}

CalcCommand CommandOf(InputProblem problem) {
    switch (problem) {
    case InputAccepted: return CalcAccepted;
    case InputOutOfRange: return CalcOutOfRange;
    case InputNotAChoice: return CalcNotAChoice;
    default: return CalcValueRejected;
    }
}

CalcCommand ReadKeyValue(const ToolDef& tool, const wchar_t* argument, bool* given, CalcRequest* request) {
    int keyLength = KeyLength(argument);
    if (keyLength < 0) return CalcNotKeyValue;
    int input = InputIndexOfKey(tool, argument, keyLength);
    if (input < 0) return CalcUnknownKey;
    request->refusedInput = input;
    if (given[input]) return CalcKeyTwice;
    const InputField& field = tool.inputs[input];
    const wchar_t* text = argument + keyLength + 1;
    double* value = &request->inputValues[input];
    InputProblem problem =
        field.choiceCount > 0 ? ReadChoiceArgument(field, text, value) : ReadInputValue(field, text, false, value);
    if (problem != InputAccepted) return CommandOf(problem);
    given[input] = true;
    request->refusedInput = -1;
    return CalcAccepted;
}

}  // namespace

const wchar_t* FindSelfTestSwitch(const wchar_t* commandLine) {
    return commandLine ? std::wcsstr(commandLine, kSelfTestSwitch) : nullptr;
}

bool ParseSelfTestPath(const wchar_t* commandLine, wchar_t* path) {
    return ParsePathAfterSwitch(commandLine, kDefaultReportPath, path);
}

bool ParseSuiteSelfTestPath(const wchar_t* commandLine, wchar_t* path) {
    return ParsePathAfterSwitch(commandLine, kDefaultSuiteReportPath, path);
}

// The program's name follows simpler rules than the arguments: quoted up to
// the next quote, or up to the first blank; backslashes are path separators.
const wchar_t* SkipProgramName(const wchar_t* commandLine) {
    if (!commandLine) return L"";
    const wchar_t* at = commandLine;
    if (*at == L'"') {
        ++at;
        while (*at && *at != L'"') ++at;
        if (*at) ++at;
    } else {
        while (*at && !IsBlank(*at)) ++at;
    }
    return at;
}

int NextArgument(const wchar_t** cursor, wchar_t* argument, int capacity) {
    const wchar_t* at = *cursor;
    while (IsBlank(*at)) ++at;
    if (!*at) {
        *cursor = at;
        if (capacity > 0) argument[0] = L'\0';
        return -1;
    }
    int length = 0;
    bool quoted = false;
    while (*at && (quoted || !IsBlank(*at))) {
        if (*at == L'\\') {
            int backslashes = 0;
            while (*at == L'\\') {
                ++backslashes;
                ++at;
            }
            if (*at != L'"') {
                for (int i = 0; i < backslashes; ++i) Put(argument, capacity, &length, L'\\');
                continue;
            }
            for (int i = 0; i < backslashes / 2; ++i) Put(argument, capacity, &length, L'\\');
            if (backslashes % 2) {
                Put(argument, capacity, &length, L'"');
                ++at;
            }
            continue;
        }
        if (*at == L'"') {
            if (quoted && at[1] == L'"') {
                Put(argument, capacity, &length, L'"');
                at += 2;
                continue;
            }
            quoted = !quoted;
            ++at;
            continue;
        }
        Put(argument, capacity, &length, *at++);
    }
    if (capacity > 0) argument[length < capacity - 1 ? length : capacity - 1] = L'\0';
    *cursor = at;
    return length;
}

CalcCommand ParseCalcCommand(const wchar_t* commandLine, const ToolDef& tool, CalcRequest* request) {
    if (!HasCalcSwitch(commandLine)) return CalcNotAsked;
    request->path[0] = L'\0';
    bool given[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount && i < kMaxInputs; ++i) request->inputValues[i] = tool.inputs[i].defaultValue;

    request->refusedArgument[0] = L'\0';
    request->refusedInput = -1;
    const wchar_t* cursor = SkipProgramName(commandLine);
    wchar_t argument[kArgumentCapacity];
    bool switchSeen = false;
    bool pathRead = false;
    CalcCommand result = CalcAccepted;
    for (int length; (length = NextArgument(&cursor, argument, kArgumentCapacity)) >= 0;) {
        if (!switchSeen && IsCalcSwitch(argument, length)) {
            switchSeen = true;
            continue;
        }
        CalcCommand read;
        if (switchSeen && !pathRead) {
            pathRead = true;
            read = ReadPath(tool, argument, length, request->path);
        } else if (result != CalcAccepted) {
            continue;  // refused already: only the path is still wanted, for the refusal beside it
        } else {
            read = ReadKeyValue(tool, argument, given, request);
        }
        if (read != CalcAccepted && result == CalcAccepted) {
            result = read;
            CopyCut(request->refusedArgument, kReportPathCapacity, argument);
        }
        if (result != CalcAccepted && pathRead) break;
    }
    return result == CalcAccepted && !pathRead ? CalcNoPath : result;
}
