#include "launcher/sibling_program.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SiblingProgramPath, PutsTheProgramInTheRunningProgramsFolder) {
    const std::wstring installed = L"C:\\Program Files\\TolmMed Suite\\BodyMassIndex.exe";
    const int fits = static_cast<int>(installed.size()) + 1;
    struct Row {
        const wchar_t* ownPath;
        int capacity;
        bool ok;
        std::wstring expected;
    };
    const Row rows[] = {
        {L"C:\\Program Files\\TolmMed Suite\\TolmMedSuite.exe", 512, true, installed},
        {L"Z:/tmp/suite/TolmMedSuite.exe", 512, true, L"Z:/tmp/suite/BodyMassIndex.exe"},
        {L"TolmMedSuite.exe", 512, true, L"BodyMassIndex.exe"},
        {L"C:\\x\\", 512, true, L"C:\\x\\BodyMassIndex.exe"},
        // Exactly full, one short, the folder alone too long.
        {L"C:\\Program Files\\TolmMed Suite\\TolmMedSuite.exe", fits, true, installed},
        {L"C:\\Program Files\\TolmMed Suite\\TolmMedSuite.exe", fits - 1, false, L""},
        {L"C:\\Program Files\\TolmMed Suite\\TolmMedSuite.exe", fits - 4, false, L""},
        {L"C:\\Program Files\\TolmMed Suite\\TolmMedSuite.exe", 8, false, L""},
    };
    for (const Row& row : rows) {
        wchar_t path[512] = L"left over";
        EXPECT_EQ(SiblingProgramPath(row.ownPath, "BodyMassIndex", path, row.capacity), row.ok) << row.capacity;
        EXPECT_EQ(std::wstring(path), row.expected) << row.capacity;
    }
}

}  // namespace
