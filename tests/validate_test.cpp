// `gaugehost validate` on a module built with faults of every kind the
// checks look for, and render's warning for a bitmap the module lacks.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "support.h"

using test_support::run_gaugehost;

namespace {

const std::string kFaulty = std::string(TEST_MODULES) + "/faulty.gau";

// (gauge, element or -1, mouse area or -1, what, value)
using Row = std::tuple<std::string, int, int, std::string, std::string>;

}  // namespace

TEST(Validate, ReportsEveryFaultOfTheModule) {
    const auto result = run_gaugehost({"validate", "--json", kFaulty});
    ASSERT_EQ(result.status, 1) << result.err;
    const auto doc = result.json();
    std::set<Row> found;
    for (const auto& f : doc["findings"]) {
        EXPECT_EQ(f["module"], kFaulty);
        found.emplace(f["gauge"],
                      f["element"].is_null() ? -1 : f["element"].get<int>(),
                      f["mouse_area"].is_null() ? -1 : f["mouse_area"].get<int>(),
                      f["what"],
                      f["value"]);
    }
    const std::set<Row> expected = {
        {"Faulty", 2, -1, "calibration table has fewer than 2 entries", "1"},
        {"Faulty", 3, -1, "strip smaller than its window", "strip 25x20, window 25x25"},
        {"Faulty", 4, -1, "bitmap is missing", "12"},
        {"Faulty", 5, -1, "image 1 of 2 is missing", "21"},
        {"Faulty", -1, 2, "list ends inside a parent", "1 open"},
        {"Faulty", -1, -1, "gauge name repeated", "table indices 0 and 1"},
        {"Faulty", -1, -1, "root element is not at (0, 0)", "(5, 0)"},
    };
    EXPECT_EQ(found, expected);
}

TEST(Validate, ReportIsOneLinePerFindingAndASummary) {
    const auto result = run_gaugehost({"validate", kFaulty});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find(kFaulty + ": gauge Faulty: element 4 (StaticImage): bitmap is missing: 12\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find(kFaulty + ": gauge Faulty: mouse area 2: list ends inside a parent: 1 open\n"),
              std::string::npos);
    EXPECT_TRUE(result.out.ends_with("\n7 findings in 2 gauges of 1 module\n")) << result.out;
}

TEST(Validate, BadArgumentsExitWithTwo) {
    for (const auto& arguments : {std::vector<std::string>{"validate"},
                                  std::vector<std::string>{"validate", "/no/such.gau"},
                                  std::vector<std::string>{"validate", kFaulty, "--bogus"}}) {
        const auto result = run_gaugehost(arguments);
        EXPECT_EQ(result.status, 2) << arguments.back();
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(run_gaugehost({"validate", "/no/such.gau"}).err, "gaugehost: /no/such.gau: no such module file\n");
}

TEST(Render, NamesAMissingBitmapOncePerGaugeElementAndId) {
    const auto folder = std::filesystem::temp_directory_path() / "gaugehost_missing_bitmap";
    std::filesystem::remove_all(folder);
    const auto result = run_gaugehost({"render",
                                       "--module",
                                       kFaulty,
                                       "--place",
                                       "Faulty",
                                       "--place",
                                       "Faulty",
                                       "--frames",
                                       "3",
                                       "-o",
                                       folder.string() + "/"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "gaugehost: warning: gauge Faulty: element 4: bitmap 12 is missing\n");
    std::filesystem::remove_all(folder);
}
