// The coefficient tables of the Bessel machinery against the check values of the
// published data (count, left-to-right sum, first and last value of every array).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <numeric>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/bessel/bessel_tables.h"

namespace {

using namespace NCalculatorMath::detail;

struct CheckRow {
    std::string routine, name;
    std::size_t found;
    double sum;
    double first, last;
};

std::vector<CheckRow> ReadCheckFile() {
    std::ifstream in(VANTOR_TEST_DATA_DIR "/bessel/coefficients_check.txt");
    std::vector<CheckRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("routine", 0) == 0)
            continue;
        std::istringstream fields(line);
        CheckRow row;
        std::string declared, sum, fsum, first, last;
        fields >> row.routine >> row.name >> declared >> row.found >> sum >> fsum >> first >> last;
        row.sum = std::strtod(sum.c_str(), nullptr);
        row.first = std::strtod(first.c_str(), nullptr);
        row.last = std::strtod(last.c_str(), nullptr);
        rows.push_back(row);
    }
    return rows;
}

// The data's arrays as our tables; one array of the data is a prefix of another table.
std::span<const double> TableFor(const std::string& routine, const std::string& name) {
    static const std::map<std::pair<std::string, std::string>, std::span<const double>> tables = {
        {{"DGAMLN", "GLN"}, GammaLn_gln},
        {{"DGAMLN", "CF"}, GammaLn_cf},
        {{"ZBKNU", "CC"}, KRightHalf_cc},
        {{"ZUNIK", "CON"}, UniformSumsBessel_con},
        {{"ZUNIK", "C"}, UniformSumsBessel_c},
        {{"ZUNHJ", "C"}, std::span<const double>(UniformSumsBessel_c).first(105)},
        {{"ZUNHJ", "AR"}, UniformSumsAiry_ar},
        {{"ZUNHJ", "BR"}, UniformSumsAiry_br},
        {{"ZUNHJ", "ALFA"}, UniformSumsAiry_alfa},
        {{"ZUNHJ", "BETA"}, UniformSumsAiry_beta},
        {{"ZUNHJ", "GAMA"}, UniformSumsAiry_gama},
        {{"ZUNI2", "CIPR"}, IUniformAiry_cipr},
        {{"ZUNI2", "CIPI"}, IUniformAiry_cipi},
        {{"ZUNK2", "CIPR"}, KUniformAiry_cipr},
        {{"ZUNK2", "CIPI"}, KUniformAiry_cipi},
    };
    const auto found = tables.find({routine, name});
    return found == tables.end() ? std::span<const double>() : found->second;
}

TEST(BesselTables, EveryArrayOfTheDataHasATableThatMatchesItsCheckValues) {
    const std::vector<CheckRow> rows = ReadCheckFile();
    ASSERT_EQ(rows.size(), 15u) << "check file not found or changed";
    for (const CheckRow& row : rows) {
        SCOPED_TRACE(row.routine + " " + row.name);
        const std::span<const double> table = TableFor(row.routine, row.name);
        ASSERT_EQ(table.size(), row.found);
        EXPECT_EQ(std::accumulate(table.begin(), table.end(), 0.0), row.sum);
        EXPECT_EQ(table.front(), row.first);
        EXPECT_EQ(table.back(), row.last);
    }
}

} // namespace
