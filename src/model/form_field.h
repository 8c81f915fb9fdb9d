#pragma once

// The fields of the main input form, by role. Messages name the field that gets the focus after
// them; the settings, the results table and the command line address entries and unit boxes
// through them.
namespace velmora::model {

enum class FormField {
    None,
    // Medium panel.
    MediumName,             // entry Eingabe_Medium
    FlowQuantity,           // ComboBox4: volume or mass flow
    Flow,                   // entry Eingabe_Volumenstrom
    FlowUnit,               // ComboBox1
    Density,                // entry Eingabe_Dichte
    DensityUnit,            // ComboBox2
    ViscosityQuantity,      // ComboBox5: dynamic or kinematic viscosity
    Viscosity,              // entry Eingabe_Viskositaet
    ViscosityUnit,          // ComboBox3
    MediumState,            // Radio_fluessig / Radio_gas
    InletPressure,          // entry Edit_EingangsdruckN
    InletPressureUnit,      // ComboBox6N
    InletTemperature,       // entry Edit_EingangstemperaturN
    InletTemperatureUnit,   // ComboBox7N
    OutletTemperature,      // entry Edit_AusgangstemperaturN
    OutletTemperatureUnit,  // ComboBox8N
    // Element panel.
    Slot1,  // entries Va1_Edit … Va5_Edit
    Slot2,
    Slot3,
    Slot4,
    Slot5,
    Slot1Unit,  // unit boxes ComboVar1 … ComboVar5
    Slot2Unit,
    Slot3Unit,
    Slot4Unit,
    Slot5Unit,
    Roughness,      // entry Edit2
    RoughnessUnit,  // ComboBox6
    ElementCount,   // entry VaAnz_Edit
    Designation,    // entry Edit1, the pipe designation
    VariantChoice,  // RadioGroup1, the two-option choice
    BranchFlow,     // entry Edit3
};

inline constexpr int kFormFieldCount = static_cast<int>(FormField::BranchFlow) + 1;

// Slot n (1 … 5) as an entry and as a unit box.
constexpr FormField slotField(int n) {
    return static_cast<FormField>(static_cast<int>(FormField::Slot1) + n - 1);
}
constexpr FormField slotUnitField(int n) {
    return static_cast<FormField>(static_cast<int>(FormField::Slot1Unit) + n - 1);
}

}  // namespace velmora::model
