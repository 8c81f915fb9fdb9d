#pragma once

// The 26 rows of a results-table column.
namespace velmora::workflow::row {

inline constexpr int count = 26;

inline constexpr int columnNumber = 0;
inline constexpr int medium = 1;     // medium name "/" state word; carries the gas entries of a gas column
inline constexpr int flow = 2;       // m³/h or gal/min
inline constexpr int density = 3;    // kg/m³ or lb./cu.ft.
inline constexpr int viscosity = 4;  // 10⁻⁶ kg/(m·s) or cP
inline constexpr int blank = 5;
inline constexpr int designation = 6;
inline constexpr int element = 7;  // element name "/" count entry
inline constexpr int slot1 = 8;    // slots 1 … 5 on rows 8 … 12
inline constexpr int slot5 = 12;
inline constexpr int choice = 13;    // the two-option choice
inline constexpr int velocity = 14;  // m/s or ft./s
inline constexpr int reynolds = 15;
inline constexpr int velocity2 = 16;  // m/s or ft./s
inline constexpr int reynolds2 = 17;
inline constexpr int regime = 18;
inline constexpr int roughness = 19;  // mm or in.
inline constexpr int frictionFactor = 20;
inline constexpr int zeta = 21;
inline constexpr int zetaBranch = 22;
inline constexpr int branchLoss = 23;  // mbar or lbw./sq.ft.
inline constexpr int lossSmall = 24;   // mbar or lbw./sq.ft.
inline constexpr int lossLarge = 25;   // bar or psi

}  // namespace velmora::workflow::row
