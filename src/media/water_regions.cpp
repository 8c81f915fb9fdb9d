#include "media/water_regions.h"

#include <array>

#include "media/integer_power_table.h"
#include "media/water_saturation.h"

namespace velmora::media {

namespace {

struct GibbsTerm {
    int i;   // exponent of the pressure term
    int j;   // exponent of the temperature term
    Real n;  // coefficient
};

// IAPWS-IF97 table 2: γ = Σ n·(7.1 − π)^I·(τ − 1.222)^J.
constexpr std::array<GibbsTerm, 34> region1Terms = {{
    {0, -2, 0.14632971213167L},        {0, -1, -0.84548187169114L},       {0, 0, -0.37563603672040e1L},
    {0, 1, 0.33855169168385e1L},       {0, 2, -0.95791963387872L},        {0, 3, 0.15772038513228L},
    {0, 4, -0.16616417199501e-1L},     {0, 5, 0.81214629983568e-3L},      {1, -9, 0.28319080123804e-3L},
    {1, -7, -0.60706301565874e-3L},    {1, -1, -0.18990068218419e-1L},    {1, 0, -0.32529748770505e-1L},
    {1, 1, -0.21841717175414e-1L},     {1, 3, -0.52838357969930e-4L},     {2, -3, -0.47184321073267e-3L},
    {2, 0, -0.30001780793026e-3L},     {2, 1, 0.47661393906987e-4L},      {2, 3, -0.44141845330846e-5L},
    {2, 17, -0.72694996297594e-15L},   {3, -4, -0.31679644845054e-4L},    {3, 0, -0.28270797985312e-5L},
    {3, 6, -0.85205128120103e-9L},     {4, -5, -0.22425281908000e-5L},    {4, -2, -0.65171222895601e-6L},
    {4, 10, -0.14341729937924e-12L},   {5, -8, -0.40516996860117e-6L},    {8, -11, -0.12734301741641e-8L},
    {8, -6, -0.17424871230634e-9L},    {21, -29, -0.68762131295531e-18L}, {23, -31, 0.14478307828521e-19L},
    {29, -38, 0.26335781662795e-22L},  {30, -39, -0.11947622640071e-22L}, {31, -40, 0.18228094581404e-23L},
    {32, -41, -0.93537087292458e-25L},
}};

// IAPWS-IF97 table 11: residual part γr = Σ n·π^I·(τ − 0.5)^J.
constexpr std::array<GibbsTerm, 43> region2Terms = {{
    {1, 0, -0.17731742473213e-2L},    {1, 1, -0.17834862292358e-1L},    {1, 2, -0.45996013696365e-1L},
    {1, 3, -0.57581259083432e-1L},    {1, 6, -0.50325278727930e-1L},    {2, 1, -0.33032641670203e-4L},
    {2, 2, -0.18948987516315e-3L},    {2, 4, -0.39392777243355e-2L},    {2, 7, -0.43797295650573e-1L},
    {2, 36, -0.26674547914087e-4L},   {3, 0, 0.20481737692309e-7L},     {3, 1, 0.43870667284435e-6L},
    {3, 3, -0.32277677238570e-4L},    {3, 6, -0.15033924542148e-2L},    {3, 35, -0.40668253562649e-1L},
    {4, 1, -0.78847309559367e-9L},    {4, 2, 0.12790717852285e-7L},     {4, 3, 0.48225372718507e-6L},
    {5, 7, 0.22922076337661e-5L},     {6, 3, -0.16714766451061e-10L},   {6, 16, -0.21171472321355e-2L},
    {6, 35, -0.23895741934104e2L},    {7, 0, -0.59059564324270e-17L},   {7, 11, -0.12621808899101e-5L},
    {7, 25, -0.38946842435739e-1L},   {8, 8, 0.11256211360459e-10L},    {8, 36, -0.82311340897998e1L},
    {9, 13, 0.19809712802088e-7L},    {10, 4, 0.10406965210174e-18L},   {10, 10, -0.10234747095929e-12L},
    {10, 14, -0.10018179379511e-8L},  {16, 29, -0.80882908646985e-10L}, {16, 50, 0.10693031879409L},
    {18, 57, -0.33662250574171L},     {20, 20, 0.89185845355421e-24L},  {20, 35, 0.30629316876232e-12L},
    {20, 48, -0.42002467698208e-5L},  {21, 21, -0.59056029685639e-25L}, {22, 53, 0.37826947613457e-5L},
    {23, 39, -0.12768608934681e-14L}, {24, 26, 0.73087610595061e-28L},  {24, 40, 0.55414715350778e-16L},
    {24, 58, -0.94369707241210e-6L},
}};

// Residual part of region 5 in the 1997 edition of IAPWS-IF97: γr = Σ n·π^I·τ^J.
constexpr std::array<GibbsTerm, 5> region5Terms = {{
    {1, 0, -0.12563183589592e-3L},
    {1, 1, 0.21774678714571e-2L},
    {1, 3, -0.45942820899910e-2L},
    {2, 9, -0.39724828359569e-5L},
    {3, 3, 0.12919228289784e-6L},
}};

// n·I of each term, the factor γπ needs; worked out by the compiler.
template <std::size_t N>
constexpr std::array<Real, N> timesPressureExponent(const std::array<GibbsTerm, N>& terms) {
    std::array<Real, N> products{};
    for (std::size_t k = 0; k < N; ++k) products[k] = terms[k].n * terms[k].i;
    return products;
}
constexpr auto region1Products = timesPressureExponent(region1Terms);
constexpr auto region2Products = timesPressureExponent(region2Terms);
constexpr auto region5Products = timesPressureExponent(region5Terms);

// ρ = 1/v with v = R·T·π·γπ/p; R in kJ/(kg·K) and p in MPa give v in m³/kg after ÷ 1000.
Real densityFromGibbs(Real temperatureK, Real pressureMPa, Real pi, Real gammaPi) {
    return 1000 * pressureMPa / (waterGasConstant * temperatureK * pi * gammaPi);
}

// γπ of an ideal part 1/π plus a residual part Σ n·I·π^(I−1)·θ^J, θ the region's temperature term.
template <std::size_t N, int MaxI, int MaxJ>
Real idealPlusResidualGammaPi(const std::array<GibbsTerm, N>& terms, const std::array<Real, N>& products,
                              Real pi, Real theta) {
    const IntegerPowerTable<0, MaxI> piPower(pi);
    const IntegerPowerTable<0, MaxJ> thetaPower(theta);
    Real sum = 0;
    for (std::size_t k = 0; k < N; ++k) sum += products[k] * piPower(terms[k].i - 1) * thetaPower(terms[k].j);
    return 1 / pi + sum;
}

}  // namespace

Real region1Density(Real temperatureK, Real pressureBar) {
    const Real pressureMPa = pressureBar / 10;
    const Real pi = pressureMPa / 16.53L;
    const Real tau = 1386 / temperatureK;
    const IntegerPowerTable<-1, 31> piPower(7.1L - pi);
    const IntegerPowerTable<-41, 17> tauPower(tau - 1.222L);
    Real gammaPi = 0;
    for (std::size_t k = 0; k < region1Terms.size(); ++k)
        gammaPi -= region1Products[k] * piPower(region1Terms[k].i - 1) * tauPower(region1Terms[k].j);
    return densityFromGibbs(temperatureK, pressureMPa, pi, gammaPi);
}

Real region2Density(Real temperatureK, Real pressureBar) {
    const Real pi = pressureBar / 10;
    const Real tau = 540 / temperatureK;
    return densityFromGibbs(
        temperatureK, pi, pi,
        idealPlusResidualGammaPi<43, 23, 58>(region2Terms, region2Products, pi, tau - 0.5L));
}

Real region5Density(Real temperatureK, Real pressureBar) {
    const Real pi = pressureBar / 10;
    const Real tau = 1000 / temperatureK;
    return densityFromGibbs(temperatureK, pi, pi,
                            idealPlusResidualGammaPi<5, 2, 9>(region5Terms, region5Products, pi, tau));
}

}  // namespace velmora::media
