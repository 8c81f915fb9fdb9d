#pragma once

#include <string>

#include "model/unit_catalogue.h"
#include "tools/pump_design_presenter.h"

namespace velmora::testing {

// The liquid conversion with the unit rules alone, for tests that do not need the main form.
class UnitRuleConversion : public tools::PumpMediumConversion {
  public:
    std::optional<tools::PumpMedium> convert(const tools::PumpMediumEntries& e, model::Messenger&) const override {
        const auto read = [](std::string text) {
            for (char& c : text)
                if (c == ',') c = '.';
            return std::stold(text);
        };
        const model::Real density = model::convertDensity(e.densityUnit, read(e.density));
        return tools::PumpMedium{.flow = model::convertFlow(e.flowUnit, read(e.flow), density),
                                 .density = density,
                                 .viscosity = model::convertViscosity(e.viscosityUnit, read(e.viscosity), density)};
    }
};

// The hand-worked design of pump_design_reference.py typed into the window, with the decimal
// separator `comma` or a point.
inline void typeHandWorkedDesign(tools::PumpDesignPresenter& p, bool comma) {
    using P = tools::PumpDesignPresenter;
    const auto n = [comma](std::string text) {
        if (comma)
            for (char& c : text)
                if (c == '.') c = ',';
        return text;
    };
    auto& f = p.form();
    f.setText(P::PumpName, "P-101");
    f.setText(P::MediumName, "Wasser 20 °C");
    f.setText(P::Flow, "30");
    f.setText(P::Density, n("998.2"));
    f.setText(P::Viscosity, "1002");
    f.setText(P::Temperature, "20");
    f.setText(P::Vapour, n("0.02339"));
    f.setText(P::Roughness, n("0.1"));
    const auto s = [](int e) { return P::sideField(tools::PumpSide::Suction, e); };
    const auto d = [](int e) { return P::sideField(tools::PumpSide::Discharge, e); };
    f.setText(s(P::TankPressure), "1");
    f.setText(s(P::Height), "-2");
    f.setText(s(P::Diameter), n("82.5"));
    f.setText(s(P::Length), "5");
    f.setText(P::fittingField(tools::PumpSide::Suction, tools::PumpFitting::Bend), "2");
    f.setText(P::fittingField(tools::PumpSide::Suction, tools::PumpFitting::GateValve), "1");
    f.setText(d(P::TankPressure), "1");
    f.setText(d(P::Height), "15");
    f.setText(d(P::Diameter), n("70.3"));
    f.setText(d(P::Length), "40");
    f.setText(P::fittingField(tools::PumpSide::Discharge, tools::PumpFitting::CheckValve), "1");
    f.setText(P::furtherField(tools::PumpSide::Discharge, P::FurtherCount0, 0), "1");
    f.setText(P::furtherField(tools::PumpSide::Discharge, P::FurtherName0, 0), "Filter");
    f.setText(P::furtherField(tools::PumpSide::Discharge, P::FurtherZeta0, 0), n("2.5"));
}

}  // namespace velmora::testing
