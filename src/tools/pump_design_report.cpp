#include "lang/dialog_messages.h"
#include "model/my_window_text.h"
#include "tools/pump_design_presenter.h"

// The output window's two tables and the copy text of the pump quick design.
namespace velmora::tools {

using model::PumpOutputText;

namespace {

// A text of the output window's block.
const std::string& outputText(const lang::TextCatalogue& texts, PumpOutputText role) {
    return lang::blockText(texts, "TPSchnellAusgabe", role);
}

}  // namespace

void PumpDesignPresenter::buildReport(const PumpDesignResult& r) {
    using O = PumpOutputText;
    const auto out = [this](O role) -> const std::string& { return outputText(texts(), role); };
    const std::string in = " " + out(O::InWord);
    const bool imperial = us();
    const std::string pressureUnit = imperial ? " psi" : " bar";
    const auto value = [this](Real v) { return write(v); };
    // Rows 5 to 13 show a loss of nothing as a plain "0".
    const auto loss = [this](Real v) { return v == 0 ? std::string("0") : write(v); };
    const auto s = [](int entry) { return sideField(PumpSide::Suction, entry); };
    const auto d = [](int entry) { return sideField(PumpSide::Discharge, entry); };

    PumpReport report;
    report.suctionHeading = text(T::SuctionPage);
    report.dischargeHeading = text(T::DischargePage);
    auto& rows = report.sides;
    rows.push_back({out(O::TankPressure) + in + pressureUnit + " (abs):", value(r.suction.tankPressure),
                    value(r.discharge.tankPressure)});
    rows.push_back({out(O::LossesHeading) + in + pressureUnit, "", ""});
    // The suction column shows what the height adds to the losses: a suction lift as a positive
    // loss, an inflow head as a negative one.
    const auto geodetic = [this](Real v) { return v == 0 ? std::string("0") : write(v); };
    rows.push_back({out(O::Geodetic) + ":", geodetic(-r.suction.geodetic), geodetic(r.discharge.geodetic)});
    const std::string roughness = r.laminar ? " (k= -):"
                                            : " (k= " + form_.text(Roughness) + " " + form_.current(RoughnessUnit) + "):";
    rows.push_back({out(O::PipeFriction) + roughness, value(r.suction.friction), value(r.discharge.friction)});

    const auto fittingRow = [&](PumpFitting fitting, const std::string& label) {
        const int f = static_cast<int>(fitting);
        rows.push_back({label + " (" + form_.text(s(FittingCount0 + f)) + "/" + form_.text(d(FittingCount0 + f)) + "):",
                        loss(r.suction.fittings[static_cast<std::size_t>(f)]),
                        loss(r.discharge.fittings[static_cast<std::size_t>(f)])});
    };
    for (PumpFitting fitting : {PumpFitting::Bend, PumpFitting::Cock, PumpFitting::Valve, PumpFitting::GateValve})
        fittingRow(fitting, withoutLastCharacter(form_.caption(s(FittingLabel0 + static_cast<int>(fitting)))));
    fittingRow(PumpFitting::CheckValve, text(T::CheckValvesRow));
    fittingRow(PumpFitting::CheckFlap, text(T::CheckFlapsRow));

    for (int e = 0; e < kPumpFurtherCount; ++e) {
        const auto part = [&](PumpSide side) {
            const std::string& count = form_.text(furtherField(side, FurtherCount0, e));
            if (count == "0") return std::string();
            return form_.text(furtherField(side, FurtherName0, e)) + " (" + count + ")";
        };
        const std::string suctionPart = part(PumpSide::Suction);
        const std::string dischargePart = part(PumpSide::Discharge);
        if (suctionPart.empty() && dischargePart.empty()) {
            rows.push_back({"", "", ""});
            continue;
        }
        rows.push_back({suctionPart + "/" + dischargePart + ":", loss(r.suction.further[static_cast<std::size_t>(e)]),
                        loss(r.discharge.further[static_cast<std::size_t>(e)])});
    }
    rows.push_back({out(O::PumpPressures) + in + pressureUnit + " (abs):", value(r.suctionPressure),
                    value(r.dischargePressure)});
    report.negativeSuctionPressure = r.suctionPressure < 0;

    const std::string lengthUnit = imperial ? " ft.:" : " m:";
    report.totals = {
        {out(O::DifferentialPressure) + in + pressureUnit + ":", value(r.differentialPressure)},
        {out(O::Head) + in + lengthUnit, write(r.head, 1)},
        {out(O::Npsh) + lengthUnit, write(r.npsh, 1)},
        {out(O::Power) + in + (imperial ? " Hp:" : " kW:"), write(r.power, 1)},
    };

    // The copy text: what was entered, then the two tables.
    auto& lines = report.lines;
    lines.push_back({lang::blockText(texts(), "MyWindow", model::MyWindowText::Title)});
    lines.push_back({out(O::ReportHeading)});
    lines.push_back({});
    lines.push_back({form_.caption(PumpLabel), form_.text(PumpName)});
    lines.push_back({form_.caption(MediumLabel), form_.text(MediumName)});
    const auto entryLine = [&](const std::string& label, const std::string& unit, int entry) {
        lines.push_back({withoutLastCharacter(label) + in + " " + unit + ":", form_.text(entry)});
    };
    entryLine(form_.current(FlowQuantity), form_.current(FlowUnit), Flow);
    entryLine(form_.caption(DensityLabel), form_.current(DensityUnit), Density);
    entryLine(form_.current(ViscosityQuantity), form_.current(ViscosityUnit), Viscosity);
    entryLine(form_.caption(TemperatureLabel), form_.caption(TemperatureUnit), Temperature);
    entryLine(form_.caption(VapourLabel), form_.current(VapourUnit), Vapour);
    lines.push_back({});
    lines.push_back({out(O::InputHeader), report.suctionHeading, report.dischargeHeading});
    for (auto [label, entry, unit] : {std::tuple{TankLabel, TankPressure, TankUnit}, std::tuple{HeightLabel, Height, HeightUnit},
                                      std::tuple{DiameterLabel, Diameter, DiameterUnit},
                                      std::tuple{LengthLabel, Length, LengthUnit}}) {
        const std::string& unitS = form_.current(s(unit));
        const std::string& unitD = form_.current(d(unit));
        const std::string units = unitS == unitD ? unitS : unitS + "/" + unitD;
        lines.push_back({withoutLastCharacter(form_.caption(s(label))) + in + " " + units + ":", form_.text(s(entry)),
                         form_.text(d(entry))});
    }
    lines.push_back({});
    lines.push_back({out(O::ResultHeader), report.suctionHeading, report.dischargeHeading});
    for (const PumpReportRow& row : rows) lines.push_back({row.label, row.suction, row.discharge});
    lines.push_back({});
    for (std::size_t i = 0; i < report.totals.size(); ++i) {
        if (i == 1 || i == 2) report.boldLines.push_back(lines.size());
        lines.push_back({report.totals[i].label, report.totals[i].value});
    }
    report_ = std::move(report);
}

}  // namespace velmora::tools
