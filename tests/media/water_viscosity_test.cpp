// IAPWS 1985 viscosity of water without the critical enhancement.
#include <gtest/gtest.h>

#include "media/water_regions.h"
#include "media/water_viscosity.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

struct ViscosityRow {
    const char* name;
    Real temperatureK;
    Real densityKgM3;
    Real viscosity;  // 10⁻⁶ kg/(m·s)
};

// Reference values: the release's equations μ*·μ0·μ1 evaluated independently at 40 digits (mpmath)
// with its constants and coefficient table. The states cover liquid, steam and dense supercritical
// fluid from 0 to 900 °C and stay clear of the near-critical zone (645.91–650.77 K,
// 245.8–405.3 kg/m³) where the omitted enhancement would matter.
constexpr ViscosityRow viscosityRows[] = {
    {"triple point liquid", 273.16L, 999.84L, 1790.92885020902082L},
    {"20 °C liquid", 293.15L, 998.2L, 1001.61104344390326L},
    {"25 °C, compressed to 1200 kg/m³", 298.15L, 1200, 1326.48374596874258L},
    {"100 °C liquid", 373.15L, 958.4L, 281.771358764214502L},
    {"150 °C, dilute steam", 423.15L, 1, 14.1367347513408766L},
    {"200 °C liquid", 473.15L, 864.7L, 134.331600292517025L},
    {"300 °C liquid", 573.15L, 712.1L, 85.8897403879138575L},
    {"350 °C liquid", 623.15L, 574.7L, 65.8756814924997037L},
    {"400 °C, 200 kg/m³", 673.15L, 200, 31.2308330325508604L},
    {"500 °C, 100 kg/m³", 773.15L, 100, 31.056283383129608L},
    {"600 °C, 600 kg/m³", 873.15L, 600, 78.1373039640618596L},
    {"800 °C, 20 kg/m³", 1073.15L, 20, 40.8677203505759763L},
    {"900 °C, dilute steam", 1173.15L, 1, 44.0968780298595498L},
};

TEST(WaterViscosity, MatchesTheFormulationEvaluatedIndependently) {
    for (const ViscosityRow& row : viscosityRows) {
        SCOPED_TRACE(row.name);
        EXPECT_RELATIVE(waterViscosity(row.temperatureK, row.densityKgM3), row.viscosity, 1e-12L);
    }
}

TEST(WaterViscosity, AgreesWithTheCalibrationStandardAt20Celsius) {
    // ISO/TR 3666: water at 20 °C and 101.325 kPa, 1.0016 mPa·s, the reference of viscometry.
    const Real density = region1Density(293.15L, 1.01325L);
    EXPECT_RELATIVE(waterViscosity(293.15L, density), 1001.6L, 2e-4L);
}

}  // namespace
}  // namespace velmora::media
