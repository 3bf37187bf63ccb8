// Every report the suite writes, byte for byte: the golden file holds each
// tool's self-test and the --calc reports of chosen inputs.
#include "tests/support/golden_reports.h"

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace {

TEST(GoldenReports, EveryReportIsAsTheGoldenFileHoldsIt) {
    ASSERT_TRUE(FileExists(PERAVIN_GOLDEN_FILE)) << PERAVIN_GOLDEN_FILE;
    EXPECT_EQ(FirstGoldenDifference(ReadBytes(PERAVIN_GOLDEN_FILE), GoldenReports()), "")
        << "when the change is meant, " << kGoldenRewriteCommand << " writes the file anew";
}

}  // namespace
