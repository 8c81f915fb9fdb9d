#include "tools/outflow_presenters.h"

#include <cmath>

#include "lang/dialog_messages.h"
#include "model/unit_catalogue.h"

namespace velmora::tools {

using K = OutflowConstantText;
using F = OutflowFallingText;
using model::GlobalText;

namespace {

constexpr Real kFoot = 0.3048L;
const char* const kConstantBlock = "TAusfluss_konstDlg";

const std::vector<std::string> kAreaUnits = {"m^2", "cm^2", "ft^2", "in^2"};
const std::vector<std::string> kLengthUnits = {"m", "ft."};
const std::vector<std::string> kSmallLengthUnits = {"mm", "in."};
const std::vector<std::string> kPressureUnits = {"bar", "mbar", "Torr", "ata", "atm", "at",
                                                 "m WS", "lbw./sq.ft.", "psi", "ft.wtr.", "in.wtr."};

Real metres(const std::string& unit, Real value) { return unit == "ft." ? value * kFoot : value; }

// The picture of each constant-level mode 1 … 6.
const char* const kModePictures[] = {"GEFAESS2", "GEFAESS1", "GEFAESS5", "GEFAESS4", "GEFAESS3", "GEFAESS6"};

}  // namespace

// ---- constant level -----------------------------------------------------------------------------

OutflowConstantPresenter::OutflowConstantPresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, kConstantBlock) {
    form_.choice(Size) = model::UnitBox({"", ""});
    form_.choice(Kind) = model::UnitBox({"", ""});
    form_.choice(Pressure) = model::UnitBox({"", ""});
    form_.choice(Entry1Unit) = model::UnitBox(kAreaUnits);
    form_.choice(Entry2Unit) = model::UnitBox(kLengthUnits);
    form_.choice(Entry3Unit) = model::UnitBox(kPressureUnits);
    form_.choice(DensityUnit) = model::UnitBox(model::unitLabels(model::Quantity::Density));
}

int OutflowConstantPresenter::mode() const {
    const bool bottom = form_.index(Kind) == 1;
    if (largeOpening()) return bottom ? 6 : 5;
    const bool over = form_.index(Pressure) == 1;
    return (over ? 3 : 1) + (bottom ? 1 : 0);
}

void OutflowConstantPresenter::shown() {
    form_.choice(Size).refillKeepingIndex({text(K::SizeSmall), text(K::SizeLarge)});
    form_.choice(Kind).refillKeepingIndex({text(K::KindSide), text(K::KindBottom)});
    form_.choice(Pressure).refillKeepingIndex({text(K::PressureNone), text(K::PressureOver)});
    form_.setCaption(SizeTitle, text(K::SizeTitle));
    form_.setCaption(KindTitle, text(K::KindTitle));
    form_.setCaption(PressureTitle, text(K::PressureTitle));
    form_.setCaption(DensityLabel, global(GlobalText::CaptionDensity) + ":");
    form_.setCaption(MuLabel, text(K::MuLabel));
    form_.setCaption(Database, text(K::Database));
    form_.setCaption(Printscreen, text(K::Printscreen));
    form_.setCaption(Calculate, global(GlobalText::ButtonCalculate));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    form_.setCaption(ResultsTitle, text(K::ResultsTitle));
    const std::string& in = global(GlobalText::UnitConnector);
    form_.setCaption(FlowLabel, global(GlobalText::CaptionFlow) + " " + in + (us() ? " ft^3/s:" : " m^3/s:"));
    form_.setCaption(VelocityLabel, global(GlobalText::WordMeanVelocity) + " " + in + (us() ? " ft/s:" : " m/s:"));
    showMode();
    clearResults();
}

void OutflowConstantPresenter::showMode() {
    const int m = mode();
    showFields({Pressure, PressureTitle}, !largeOpening());
    const bool pressurised = m == 3 || m == 4;
    showFields({Entry3, Entry3Unit, Entry3Label}, pressurised || m == 5);
    showFields({Density, DensityUnit, DensityLabel}, pressurised);
    if (m == 5) {
        form_.setCaption(Entry1Label, text(K::UpperDepthLabel));
        form_.setCaption(Entry2Label, text(K::LowerDepthLabel));
        form_.setCaption(Entry3Label, text(K::WidthLabel));
        form_.choice(Entry1Unit).refillKeepingIndex(kLengthUnits);
        form_.choice(Entry3Unit).refillKeepingIndex(kLengthUnits);
    } else {
        form_.setCaption(Entry1Label, text(K::AreaLabel));
        form_.setCaption(Entry2Label, text(K::HeightLabel));
        form_.setCaption(Entry3Label, text(K::OverpressureLabel));
        form_.choice(Entry1Unit).refillKeepingIndex(kAreaUnits);
        form_.choice(Entry3Unit).refillKeepingIndex(kPressureUnits);
    }
    form_.setOutput(Picture, std::string(kModePictures[m - 1]) + ".bmp");
}

void OutflowConstantPresenter::edited(int) { clearResults(); }

void OutflowConstantPresenter::chosen(int field) {
    if (field == Size || field == Kind || field == Pressure) showMode();
    // The three lengths of the large side opening move together with the first.
    if (field == Entry1Unit && mode() == 5) {
        form_.choice(Entry2Unit).select(form_.index(Entry1Unit));
        form_.choice(Entry3Unit).select(form_.index(Entry1Unit));
    }
    clearResults();
}

void OutflowConstantPresenter::takeCoefficient(const std::string& text) {
    form_.setText(Mu, text);
    clearResults();
}

std::optional<Real> OutflowConstantPresenter::positive(int entry, int label, model::Messenger& messenger,
                                                       bool zeroAllowed) const {
    const auto value = number(entry, label, messenger, true);
    if (value && (*value < 0 || (!zeroAllowed && *value == 0))) {
        refuse(entry, label, messenger);
        return std::nullopt;
    }
    return value;
}

void OutflowConstantPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const int m = mode();
    Real q = 0;
    Real area = 0;
    if (m == 5) {
        const auto h1 = positive(Entry1, Entry1Label, messenger, true);
        if (!h1) return;
        const auto h2 = positive(Entry2, Entry2Label, messenger);
        if (!h2) return;
        const auto b = positive(Entry3, Entry3Label, messenger);
        if (!b) return;
        const Real upper = metres(form_.current(Entry1Unit), *h1);
        const Real lower = metres(form_.current(Entry2Unit), *h2);
        const Real width = metres(form_.current(Entry3Unit), *b);
        // The lower edge lies below the upper one.
        if (lower <= upper) {
            refuse(Entry2, Entry2Label, messenger);
            return;
        }
        const auto mu = positive(Mu, MuLabel, messenger);
        if (!mu) return;
        q = largeSideOpeningFlow(*mu, width, upper, lower);
        area = (lower - upper) * width;
    } else {
        const auto a = positive(Entry1, Entry1Label, messenger);
        if (!a) return;
        const auto h = positive(Entry2, Entry2Label, messenger, true);
        if (!h) return;
        area = model::convertDialogArea(form_.current(Entry1Unit), *a);
        const Real depth = metres(form_.current(Entry2Unit), *h);
        std::optional<Real> overpressure;
        std::optional<Real> density;
        if (m == 3 || m == 4) {
            overpressure = number(Entry3, Entry3Label, messenger, true);
            if (!overpressure) return;
            density = positive(Density, DensityLabel, messenger);
            if (!density) return;
            *overpressure = model::convertPressure(form_.current(Entry3Unit), *overpressure);
            *density = model::convertDensity(form_.current(DensityUnit), *density);
            // A vacuum above the liquid may hold it back altogether.
            if (kTwoG / 2 * depth + *overpressure * 100000 / *density < 0) {
                refuse(Entry3, Entry3Label, messenger);
                return;
            }
        }
        const auto mu = positive(Mu, MuLabel, messenger);
        if (!mu) return;
        q = overpressure ? pressurisedOpeningFlow(*mu, area, depth, *overpressure, *density)
                         : smallOpeningFlow(*mu, area, depth);
    }
    const Real v = q / area;
    form_.setOutput(Flow, write(us() ? q / (kFoot * kFoot * kFoot) : q));
    form_.setOutput(Velocity, write(us() ? v / kFoot : v));
}

// ---- falling level ------------------------------------------------------------------------------

OutflowFallingPresenter::OutflowFallingPresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, "TAusfluss_veraeDlg") {
    form_.choice(Shape) = model::UnitBox({"", "", "", ""});
    form_.choice(VesselDiameterUnit) = model::UnitBox(kLengthUnits);
    form_.choice(OpeningDiameterUnit) = model::UnitBox(kSmallLengthUnits);
    form_.choice(HeightUnit) = model::UnitBox(kLengthUnits);
}

void OutflowFallingPresenter::shown() {
    form_.choice(Shape).refillKeepingIndex(
        {text(F::VerticalCylinder), text(F::HorizontalCylinder), text(F::Sphere), text(F::Cone)});
    form_.setCaption(ShapeTitle, text(F::ShapeTitle));
    form_.setCaption(VesselDiameterLabel, text(F::VesselDiameterLabel));
    form_.setCaption(OpeningDiameterLabel, text(F::OpeningDiameterLabel));
    form_.setCaption(TimeLabel, text(F::TimeLabel));
    form_.setCaption(MuLabel, lang::blockText(texts(), kConstantBlock, K::MuLabel));
    form_.setCaption(Database, lang::blockText(texts(), kConstantBlock, K::Database));
    form_.setCaption(Printscreen, lang::blockText(texts(), kConstantBlock, K::Printscreen));
    form_.setCaption(Calculate, global(GlobalText::ButtonCalculate));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    showShape();
    form_.setOutput(Time, "");
}

void OutflowFallingPresenter::showShape() {
    form_.setCaption(HeightLabel,
                     text(shape() == VesselShape::HorizontalCylinder ? F::CylinderLengthLabel : F::HeightLabel));
    showFields({Height, HeightUnit, HeightLabel}, shape() != VesselShape::Sphere);
    form_.setOutput(Picture, "INSTATIONAER" + std::to_string(form_.index(Shape) + 1) + ".bmp");
}

void OutflowFallingPresenter::edited(int) { form_.setOutput(Time, ""); }

void OutflowFallingPresenter::chosen(int field) {
    if (field == Shape) showShape();
    form_.setOutput(Time, "");
}

void OutflowFallingPresenter::takeCoefficient(const std::string& text) {
    form_.setText(Mu, text);
    form_.setOutput(Time, "");
}

void OutflowFallingPresenter::calculate(model::Messenger& messenger) {
    form_.setOutput(Time, "");
    const auto read = [&](int entry, int label) -> std::optional<Real> {
        const auto value = number(entry, label, messenger, true);
        if (value && *value <= 0) {
            refuse(entry, label, messenger);
            return std::nullopt;
        }
        return value;
    };
    const auto vessel = read(VesselDiameter, VesselDiameterLabel);
    if (!vessel) return;
    const auto opening = read(OpeningDiameter, OpeningDiameterLabel);
    if (!opening) return;
    Real height = 0;
    if (shape() != VesselShape::Sphere) {
        const auto h = read(Height, HeightLabel);
        if (!h) return;
        height = metres(form_.current(HeightUnit), *h);
    }
    const auto mu = read(Mu, MuLabel);
    if (!mu) return;
    const Real d = form_.index(OpeningDiameterUnit) == 1 ? *opening * 25.4L / 1000 : *opening / 1000;  // m
    const Real t = emptyingTime(shape(), metres(form_.current(VesselDiameterUnit), *vessel), d, height, *mu);
    std::string shown = write(t, 0) + " s";
    if (t > 60) shown += " = " + write(t / 60, 1) + " Min.";
    form_.setOutput(Time, shown);
}

}  // namespace velmora::tools
