#pragma once

#include <cstdint>
#include <string>

#include "model/element_kind.h"
#include "model/real.h"

namespace velmora::model {

enum class MediumState { Liquid, Gas };
enum class FlowQuantity { Volume, Mass };
enum class ViscosityQuantity { Dynamic, Kinematic };

// The inputs of one element calculation, every quantity in its internal unit. The calculation
// driver refills it from the main form before each calculation; the engines read only this record.
// The initial values are those of the form at first start (300 °C and 250 °C as kelvin).
struct CalcInputs {
    MediumState state = MediumState::Liquid;
    std::string mediumName;  // shown in the results table only
    FlowQuantity flowQuantity = FlowQuantity::Volume;
    Real volumeFlow = 1.0L;  // m³/h, operating state; a mass flow is held as the volume flow it gives
    Real branchFlow = 0;     // m³/h, operating state; the branch of the tees 5/5 and 5/6
    Real density = 998.2L;   // kg/m³
    ViscosityQuantity viscosityQuantity = ViscosityQuantity::Dynamic;
    Real dynamicViscosity = 1002;  // 10⁻⁶ kg/(m·s); a kinematic entry is held multiplied by the density
    Real inletPressure = 1;        // bar absolute, gas only
    Real inletTemperature = 573.15L;   // K, gas only
    Real outletTemperature = 523.15L;  // K, gas only
    ElementKind kind{1, 1};
    // Element dimensions; per kind and slot: diameters and small lengths mm, pipe lengths m,
    // areas m², angles degrees, free-area ratios %, counts and coefficients as entered.
    Real va1 = 0;
    Real va2 = 0;
    Real va3 = 0;
    Real va4 = 0;
    Real va5 = 0;
    Real roughness = 0.1L;  // mm, absolute wall roughness
    std::int32_t elementCount = 1;
    int variantChoice = 0;  // 0 = first of the two options, 1 = second

    friend bool operator==(const CalcInputs&, const CalcInputs&) = default;

    // Slot 1 … 5 by number; any other number reads as 0.
    Real slot(int number) const {
        switch (number) {
            case 1:
                return va1;
            case 2:
                return va2;
            case 3:
                return va3;
            case 4:
                return va4;
            case 5:
                return va5;
            default:
                return 0;
        }
    }
};

}  // namespace velmora::model
