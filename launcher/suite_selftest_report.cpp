#include "launcher/suite_selftest_report.h"

#include <cstdio>
#include <cstring>

#include "engine/platform.h"
#include "engine/text.h"
#include "store/selftest_report.h"

namespace {

enum SuiteOutcome {
    SuitePassed,
    SuiteOutputsFailed,
    SuiteMissing,
    SuiteNotStarted,
    SuiteTimedOut,
    SuiteNoReport,
    SuiteWrongTool,
    SuiteAbnormalExit,
};

// What the verdict field says for a program that did not run or report;
// the wrong tool's text takes the id its report names.
const wchar_t* const kOutcomeTexts[] = {
    nullptr,
    nullptr,
    L"程序文件不存在",
    L"程序无法启动",
    L"程序超时未结束",
    L"程序未写出自检报告",
    L"自检报告属于另一工具（编号 %d）",
    L"程序异常退出",
};

// A tool's report is at most its staging area's size; the lines read here
// come first in it.
constexpr int kReportReadBytes = 4 * kSelfTestReportCapacity;
constexpr int kLineBytes = 4096;
constexpr int kTitleBytes = 1024;
constexpr int kOutcomeTextCapacity = 64;
constexpr int kFieldBytes = 32;

// The line that starts with tag (say "LEVEL|"): its text after the tag, up
// to the line end, or null.
const char* FindLine(const char* bytes, int count, const char* tag, int* length) {
    int tagLength = static_cast<int>(std::strlen(tag));
    for (int start = 0; start < count;) {
        int end = start;
        while (end < count && bytes[end] != '\n') ++end;
        int lineEnd = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        if (lineEnd - start >= tagLength && std::memcmp(bytes + start, tag, static_cast<size_t>(tagLength)) == 0) {
            *length = lineEnd - start - tagLength;
            return bytes + start + tagLength;
        }
        start = end + 1;
    }
    return nullptr;
}

// A decimal integer of at most nine digits, optionally negative, ended by
// stop (or by the end of the field when stop is 0).
bool ReadInteger(const char* text, int length, char stop, int32_t* value) {
    int at = 0;
    bool negative = length > 0 && text[0] == '-';
    if (negative) ++at;
    int32_t number = 0;
    int digits = 0;
    while (at < length && text[at] >= '0' && text[at] <= '9' && digits < 9) {
        number = number * 10 + (text[at++] - '0');
        ++digits;
    }
    bool ended = stop ? at < length && text[at] == stop : at == length;
    if (digits == 0 || !ended) return false;
    *value = negative ? -number : number;
    return true;
}

bool ReadReportFile(const wchar_t* path, SelfTestFields* fields) {
    static char bytes[kReportReadBytes];
    FILE* file = OpenFile(path, "rb");
    if (!file) return false;
    int count = static_cast<int>(std::fread(bytes, 1, sizeof bytes, file));
    std::fclose(file);
    return ReadSelfTestFields(bytes, count, fields);
}

SuiteOutcome Classify(const CatalogueEntry& entry, const ProgramRun& run, bool reported, const SelfTestFields& fields) {
    if (run.end == ProgramMissing) return SuiteMissing;
    if (run.end == ProgramNotStarted) return SuiteNotStarted;
    if (run.end == ProgramTimedOut) return SuiteTimedOut;
    if (!reported) return SuiteNoReport;
    // A program of this name that carries another tool is no pass of this one.
    if (fields.toolId != entry.tool->id) return SuiteWrongTool;
    if (run.exitCode == kSelfTestPassed) return SuitePassed;
    if (run.exitCode == kSelfTestOutputsFailed) return SuiteOutputsFailed;
    return SuiteAbnormalExit;
}

// The UTF-8 form of text, or "" when it does not fit.
void Utf8Of(const wchar_t* text, char* bytes, int capacity) {
    if (!ConvertToUtf8(text, bytes, capacity)) bytes[0] = '\0';
}

void FormatLine(const CatalogueEntry& entry, const ProgramRun& run, SuiteOutcome outcome,
                const SelfTestFields& fields, char* line) {
    char title[kTitleBytes];
    Utf8Of(entry.tool->title, title, kTitleBytes);
    char exitText[kFieldBytes] = "-";
    if (run.end == ProgramEnded) FormatCutA(exitText, kFieldBytes, "%lu", static_cast<unsigned long>(run.exitCode));
    char levelText[kFieldBytes] = "-";
    const char* verdict = fields.verdict;
    char outcomeText[kOutcomeTextCapacity * 3];
    if (outcome == SuitePassed || outcome == SuiteOutputsFailed) {
        FormatCutA(levelText, kFieldBytes, "%d", fields.level);
    } else {
        wchar_t text[kOutcomeTextCapacity];
        FormatCut(text, kOutcomeTextCapacity, kOutcomeTexts[outcome], fields.toolId);
        Utf8Of(text, outcomeText, sizeof outcomeText);
        verdict = outcomeText;
    }
    FormatCutA(line, kLineBytes, "%d|%s|%s|%s|%s|%s\r\n", entry.tool->id, entry.program, title, exitText, levelText,
               verdict);
}

bool WriteText(FILE* file, const char* text) {
    size_t length = std::strlen(text);
    return std::fwrite(text, 1, length, file) == length;
}

}  // namespace

bool ReadSelfTestFields(const char* bytes, int count, SelfTestFields* fields) {
    int length = 0;
    const char* tool = FindLine(bytes, count, "TOOL|", &length);
    if (!tool || !ReadInteger(tool, length, '|', &fields->toolId)) return false;
    const char* level = FindLine(bytes, count, "LEVEL|", &length);
    if (!level || !ReadInteger(level, length, 0, &fields->level)) return false;
    const char* verdict = FindLine(bytes, count, "VERDICT|", &length);
    if (!verdict || length > kVerdictFieldBytes - 1) return false;
    std::memcpy(fields->verdict, verdict, static_cast<size_t>(length));
    fields->verdict[length] = '\0';
    return true;
}

int RunSuiteChecks(const CatalogueEntry* entries, int count, const wchar_t* reportFolder, const wchar_t* path,
                   ProgramRunner runner, void* context) {
    FILE* out = OpenFile(path, "wb");
    if (!out) return kSuiteNotRun;
    bool written = true;
    int passed = 0;
    int outputsFailed = 0;
    for (int t = 0; t < count; ++t) {
        const CatalogueEntry& entry = entries[t];
        wchar_t program[kMaxKeyLength + 1];
        if (!WidenAscii(entry.program, program, kMaxKeyLength + 1)) program[0] = L'\0';
        wchar_t reportPath[kPathCapacity];
        FormatCut(reportPath, kPathCapacity, L"%ls%ls.txt", reportFolder, program);

        ProgramRun run = runner(entry.program, reportPath, context);
        static SelfTestFields fields;
        fields = {};
        bool reported = run.end == ProgramEnded && ReadReportFile(reportPath, &fields);
        SuiteOutcome outcome = Classify(entry, run, reported, fields);
        if (outcome == SuitePassed) ++passed;
        if (outcome == SuiteOutputsFailed) ++outputsFailed;

        static char line[kLineBytes];
        FormatLine(entry, run, outcome, fields, line);
        written = WriteText(out, line) && written;
    }
    int notRun = count - passed - outputsFailed;
    char counts[kLineBytes];
    FormatCutA(counts, kLineBytes, "COUNTS|%d|%d|%d|%d\r\n", count, passed, outputsFailed, notRun);
    written = WriteText(out, counts) && written;
    if (std::fclose(out) != 0) written = false;
    if (!written || notRun > 0) return kSuiteNotRun;
    return outputsFailed > 0 ? kSuiteOutputsFailed : kSuitePassed;
}
