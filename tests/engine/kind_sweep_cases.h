#pragma once

#include <cstddef>
#include <ostream>
#include <vector>

#include "engine/element_result.h"
#include "model/calc_inputs.h"
#include "model/element_kind.h"

// Inputs of the sweeps over every element kind: each kind's default dimensions and the media that
// put every kind into the laminar or the turbulent engine, as a liquid and as a gas.
namespace velmora::engine::testing {

using model::CalcInputs;
using model::ElementKind;
using model::MediumState;
using model::Real;

// The default dimensions of every kind at a fresh start, where slots 1 and 2 without a default
// read 100 and the other slots take their catalogue defaults. The two expansions take D1 = 50 so
// that D1 < D2 holds as their entry checks demand.
struct Defaults {
    ElementKind kind;
    std::vector<Real> slots;
};

inline const Defaults kDefaults[] = {
    {{1, 1}, {100, 1}},
    {{1, 2}, {100, 100, 1}},
    {{1, 3}, {100, 50, 1}},
    {{1, 4}, {1000, 1000, 1}},
    {{1, 5}, {100, 5, 20, 1}},
    {{1, 6}, {0.01L, 0.4L, 1}},
    {{2, 1}, {100}},
    {{2, 2}, {100}},
    {{2, 3}, {100, 45}},
    {{2, 4}, {100}},
    {{3, 1}, {50, 100}},
    {{3, 2}, {50, 100, 45}},
    {{3, 3}, {100, 50}},
    {{3, 4}, {100, 50, 10}},
    {{4, 1}, {100, 100, 90}},
    {{4, 2}, {100, 90}},
    {{4, 3}, {100}},
    {{4, 4}, {100, 100, 100, 90}},
    {{4, 5}, {100, 45}},
    {{4, 6}, {100, 100, 45}},
    {{5, 1}, {100, 50}},
    {{5, 2}, {100}},
    {{5, 3}, {100}},
    {{5, 4}, {100}},
    {{5, 5}, {100, 50, 0, 45}},
    {{5, 6}, {100, 50, 0, 45}},
    {{5, 7}, {100, 45}},
    {{5, 8}, {100, 100}},
    {{6, 1}, {100, 3}},
    {{6, 2}, {100}},
    {{6, 3}, {100, 200}},
    {{7, 1}, {100}},
    {{7, 2}, {100}},
    {{7, 3}, {100}},
    {{7, 4}, {100, 50}},
    {{7, 5}, {100, 30}},
    {{7, 6}, {100, 30}},
    {{8, 1}, {100}},
    {{8, 2}, {100}},
    {{8, 3}, {100}},
    {{9, 1}, {100, 50}},
    {{9, 2}, {100, 50}},
    {{9, 3}, {100, 50, 5}},
    {{9, 4}, {100, 50, 10}},
    {{9, 5}, {100, 50}},
    {{9, 6}, {100, 50}},
    {{9, 7}, {100, 50}},
    {{10, 1}, {100, 40}},
    {{10, 2}, {100, 100, 40}},
    {{10, 3}, {100, 5, 5, 40}},
    {{10, 4}, {100, 100, 5, 5, 40}},
    {{11, 1}, {100, 40}},
    {{11, 2}, {100, 100, 40}},
    {{11, 3}, {100, 40}},
    {{11, 4}, {100, 100, 40}},
    {{11, 5}, {100, 40}},
    {{11, 6}, {100, 100, 40}},
    {{11, 7}, {100}},
    {{11, 8}, {100}},
    {{11, 9}, {100}},
    {{12, 1}, {100, 2}},
    {{12, 2}, {100, 100, 2}},
    {{13, 1}, {10}},
    {{13, 2}, {100, 100}},
    {{13, 3}, {100, 100, 100, 100}},
};

struct Medium {
    const char* name;
    MediumState state;
    Real density;    // kg/m³
    Real viscosity;  // 10⁻⁶ kg/(m·s)
    Real flow;       // m³/h
    FlowRegime regime;
};

// Flows chosen so every kind (from the 1 m² duct to the 25 mm orifice bore) lands in the named regime.
inline const Medium kMedia[] = {
    {"oil_laminar", MediumState::Liquid, 900, 100000, 1, FlowRegime::Laminar},
    {"water_turbulent", MediumState::Liquid, 998.2L, 1002, 100, FlowRegime::Turbulent},
    {"air_laminar", MediumState::Gas, 1.2L, 18, 0.05L, FlowRegime::Laminar},
    {"air_turbulent", MediumState::Gas, 1.2L, 18, 500, FlowRegime::Turbulent},
};

inline void PrintTo(const Medium& medium, std::ostream* os) {
    *os << medium.name;
}

inline CalcInputs inputsFor(const Defaults& d, const Medium& m) {
    CalcInputs in;
    in.kind = d.kind;
    in.state = m.state;
    in.density = m.density;
    in.dynamicViscosity = m.viscosity;
    in.volumeFlow = m.flow;
    in.branchFlow = 0.4L * m.flow;
    Real* slots[] = {&in.va1, &in.va2, &in.va3, &in.va4, &in.va5};
    for (std::size_t i = 0; i < d.slots.size(); ++i) *slots[i] = d.slots[i];
    return in;
}

}  // namespace velmora::engine::testing
