// A report tool made in the test (the built-in tool has no report), and the
// guarded buffers that every report test runs in.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/tool_def.h"
#include "reports/report.h"

struct ReportInput {
    const char* key;
    double value;
};

class TestTool {
public:
    TestTool(int32_t reportKind, const std::vector<ReportInput>& inputs) {
        for (const ReportInput& input : inputs) {
            fields_.push_back({input.key, L"参数", nullptr, input.value});
            values_.push_back(input.value);
        }
        def_ = {900, L"报告工具", nullptr, L"测试", L"按报告生成", nullptr, static_cast<int32_t>(fields_.size()),
                fields_.data(), 0, nullptr, 0, nullptr, reportKind};
    }
    TestTool(const TestTool&) = delete;
    TestTool& operator=(const TestTool&) = delete;

    const ToolDef& def() const { return def_; }
    const double* values() const { return values_.data(); }

private:
    std::vector<InputField> fields_;
    std::vector<double> values_;
    ToolDef def_{};
};

struct ReportRun {
    std::wstring text;
    std::wstring verdict;
    int32_t level;
};

// Runs a generator in buffers of exactly the given capacities, followed by a
// guard that must stay untouched.
template <typename Generate>
ReportRun RunInGuardedBuffers(int32_t capacity, int32_t verdictCapacity, Generate generate) {
    const int kGuard = 16;
    const wchar_t kUnwritten = L'\x7f';
    std::vector<wchar_t> text(capacity + kGuard, kUnwritten);
    std::vector<wchar_t> verdict(verdictCapacity + kGuard, kUnwritten);
    text[0] = L'\0';
    verdict[0] = L'\0';
    int32_t level = generate(text.data(), verdict.data());
    for (int i = 0; i < kGuard; ++i) {
        EXPECT_EQ(text[capacity + i], kUnwritten) << "result text overrun";
        EXPECT_EQ(verdict[verdictCapacity + i], kUnwritten) << "verdict overrun";
    }
    return {text.data(), verdict.data(), level};
}

inline ReportRun RunReportOf(int32_t reportKind, const std::vector<ReportInput>& inputs, int32_t capacity = 8192,
                             int32_t verdictCapacity = 512) {
    TestTool tool(reportKind, inputs);
    return RunInGuardedBuffers(capacity, verdictCapacity, [&](wchar_t* text, wchar_t* verdict) {
        return RunReport(reportKind, tool.def(), tool.values(), text, capacity, verdict, verdictCapacity);
    });
}

// Each line followed by "\r\n", as the reports write them.
inline std::wstring Lines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}
