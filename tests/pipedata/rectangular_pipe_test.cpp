// The rectangular pipe tables: the built file's blocks and records, and the dialog's derived values
// against hand-worked sections.
#include "pipedata/rectangular_pipe_presenter.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "persist/fields.h"
#include "support/built_texts.h"

namespace velmora::pipedata {
namespace {

using F = RectangularPipeField;
using Language = lang::Edition::Language;

const std::vector<std::string>& built() {
    static const auto lines = readRectangularPipeFile(persist::DataFileSet(VELMORA_DATA_DIR), false);
    return lines;
}

std::string out(const RectangularPipePresenter& p, F field) { return p.form().output(static_cast<int>(field)); }

// Each standard's title stands above its square block; the rectangular block follows the square
// one directly; every record is a size with walls rising and a bore left.
TEST(RectangularPipeFile, BlocksAndRecords) {
    const auto& lines = built();
    ASSERT_GE(lines.size(), 257u);
    int records = 0;
    for (std::size_t i = 0; i < rectangularStandards().size(); ++i) {
        const RectangularStandard& s = rectangularStandards()[i];
        SCOPED_TRACE("standard " + std::to_string(i + 1));
        EXPECT_EQ(lines[static_cast<std::size_t>(s.squareFirst - 2)].rfind("#" + std::to_string(i + 1) + " ", 0), 0u);
        EXPECT_EQ(s.squareLast + 1, s.rectangularFirst);
        for (auto [first, last, square] : {std::tuple{s.squareFirst, s.squareLast, true},
                                           std::tuple{s.rectangularFirst, s.rectangularLast, false}}) {
            EXPECT_FALSE(lines[static_cast<std::size_t>(first - 1)].empty());
            for (int n = first; n <= last; ++n) {
                const std::string& l = lines[static_cast<std::size_t>(n - 1)];
                if (l.empty()) continue;
                const double w = static_cast<double>(*model::readNumber(persist::field(l, 2)));
                const double h = static_cast<double>(*model::readNumber(persist::field(l, 3)));
                if (square) EXPECT_EQ(w, h) << l;
                else EXPECT_GT(w, h) << l;
                double previous = 0;
                for (int k = 4; k <= 9 && !persist::field(l, k).empty(); ++k) {
                    const double t = static_cast<double>(*model::readNumber(persist::field(l, k)));
                    EXPECT_GT(t, previous) << l;
                    EXPECT_LT(2 * t, h) << l;
                    previous = t;
                    ++records;
                }
                EXPECT_GT(previous, 0) << l;
            }
        }
    }
    // DIN 24190: every pair of the 15 preferred sides, width above height.
    EXPECT_EQ(lines[152], "150x100\t150.0\t100.0\t0.6");
    EXPECT_EQ(lines[256], "2000x1800\t2000.0\t1800.0\t1.0");
    EXPECT_GT(records, 500);
}

// Hollow section 100 x 50 x 4 (DIN 59411): inside 92 x 42 mm, m = (100·50 - 92·42) / 10⁶ · 7850
// = 8,92 kg/m (corner radii left out). Duct 400 x 200 (DIN 24190, inside), sheet 0,6 mm:
// m = (401,2·201,2 - 400·200) / 10⁶ · 7850 = 5,66 kg/m; the duct's inside is the listed size.
TEST(RectangularPipePresenter, InsideDimensionsAndMass) {
    RectangularPipePresenter p(testing::loadBuiltTexts(Language::English));
    p.load(built());
    ASSERT_TRUE(p.choose(F::Standard, 1));
    ASSERT_TRUE(p.choose(F::Shape, 1));
    const auto& sizes = p.form().choice(static_cast<int>(F::Size)).items();
    const int size = static_cast<int>(std::find(sizes.begin(), sizes.end(), "100.0 x 50.0") - sizes.begin());
    ASSERT_TRUE(p.choose(F::Size, size));
    const auto& walls = p.form().choice(static_cast<int>(F::Wall)).items();
    ASSERT_TRUE(p.choose(F::Wall, static_cast<int>(std::find(walls.begin(), walls.end(), "4.0") - walls.begin())));
    EXPECT_EQ(out(p, F::InsideWidthMm), "92.0 mm");
    EXPECT_EQ(out(p, F::InsideHeightMm), "42.0 mm");
    EXPECT_EQ(out(p, F::InsideWidthIn), "3.622 in.");
    EXPECT_EQ(out(p, F::MassKg), "8.9 kg/m");
    EXPECT_EQ(out(p, F::MassLb), "6.0 lb/ft");
    const PipeValues values = p.values();
    EXPECT_TRUE(values.rectangular);
    EXPECT_EQ(values.inside.mm, "92.0");
    EXPECT_EQ(values.insideHeight.inch, "1.654");
    EXPECT_EQ(values.designation, "Hollow section DIN 59411");

    ASSERT_TRUE(p.choose(F::Standard, 3));
    EXPECT_EQ(p.form().caption(static_cast<int>(F::SizeLabel)), "Inside size W x H:");
    const auto& ducts = p.form().choice(static_cast<int>(F::Size)).items();
    ASSERT_TRUE(p.choose(F::Size, static_cast<int>(std::find(ducts.begin(), ducts.end(), "400.0 x 200.0") - ducts.begin())));
    EXPECT_EQ(out(p, F::InsideWidthMm), "400.0 mm");
    EXPECT_EQ(out(p, F::InsideHeightMm), "200.0 mm");
    EXPECT_EQ(out(p, F::MassKg), "5.7 kg/m");
    EXPECT_NE(p.hintMessage().text.find("7850 kg/m"), std::string::npos);
}

}  // namespace
}  // namespace velmora::pipedata
