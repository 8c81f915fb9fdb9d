#include "tools/orifice_presenter.h"

#include "lang/dialog_messages.h"
#include "model/my_window_text.h"
#include "model/unit_catalogue.h"
#include "tools/nominal_diameter_presenter.h"

namespace velmora::tools {

using O = OrificeText;
using model::GlobalText;
using model::MyWindowText;

namespace {

const std::vector<std::string> kPressureUnits = {"bar", "mbar", "Torr", "ata", "atm", "at",
                                                 "m WS", "lbw./sq.ft.", "psi", "ft.wtr.", "in.wtr."};

}  // namespace

OrificePresenter::OrificePresenter(const lang::TextCatalogue& texts) : ToolPresenter(texts, "TDrosselblendeDlg") {
    form_.choice(FlowQuantity) = model::UnitBox({"", ""});
    form_.choice(FlowUnit) = model::UnitBox(NominalDiameterPresenter::flowUnits());
    form_.choice(DensityUnit) = model::UnitBox(model::unitLabels(model::Quantity::Density));
    form_.choice(ViscosityQuantity) = model::UnitBox({"", ""});
    form_.choice(ViscosityUnit) = model::UnitBox(model::unitLabels(model::Quantity::DynamicViscosity));
    form_.choice(Kind) = model::UnitBox({"", "", ""});
    form_.choice(PipeDiameterUnit) = model::UnitBox({"mm", "in."});
    form_.choice(SecondUnit) = model::UnitBox({"mm", "in."});
    form_.choice(PressureLossUnit) = model::UnitBox(kPressureUnits);
}

void OrificePresenter::shown(const OrificeMedium& medium) {
    const auto mainText = [this](MyWindowText role) { return lang::blockText(texts(), "MyWindow", role); };
    form_.choice(FlowQuantity).refillKeepingIndex({mainText(MyWindowText::FlowQuantityVolume),
                                                   mainText(MyWindowText::FlowQuantityMass)});
    form_.choice(ViscosityQuantity).refillKeepingIndex({mainText(MyWindowText::ViscosityQuantityDynamic),
                                                        mainText(MyWindowText::ViscosityQuantityKinematic)});
    form_.choice(Kind).refillKeepingIndex({text(O::SharpOrifice), text(O::RoundedOrifice), text(O::PerforatedPlate)});
    form_.setCaption(MediumTitle, text(O::MediumTitle));
    form_.setCaption(MediumLabel, text(O::MediumLabel));
    form_.setCaption(Note, text(O::Note));
    form_.setCaption(DensityLabel, global(GlobalText::CaptionDensity) + ":");
    form_.setCaption(KindTitle, text(O::KindTitle));
    form_.setCaption(RestrictionTitle, text(O::RestrictionTitle));
    form_.setCaption(PipeDiameterLabel, text(O::PipeDiameterLabel));
    form_.setCaption(PressureLossLabel, text(O::PressureLossLabel));
    form_.setCaption(Calculate, global(GlobalText::ButtonCalculate));
    form_.setCaption(Printscreen, text(O::Printscreen));
    form_.setCaption(Close, global(GlobalText::ButtonClose));

    // The medium of the main form, each time the dialog opens.
    form_.setText(MediumName, medium.name);
    form_.choice(FlowQuantity).select(medium.massFlow ? 1 : 0);
    form_.choice(FlowUnit).refill(medium.massFlow ? model::unitLabels(model::Quantity::MassFlow)
                                                  : NominalDiameterPresenter::flowUnits());
    form_.setText(Flow, medium.flow);
    // A norm volume flow is not the operating flow through the orifice: the entry starts empty.
    if (model::isNormFlowUnit(medium.flowUnit)) form_.setText(Flow, "");
    if (!form_.choice(FlowUnit).selectLabel(medium.flowUnit)) form_.choice(FlowUnit).select(0);
    form_.setText(Density, medium.density);
    form_.choice(DensityUnit).select(medium.densityUnit);
    form_.choice(ViscosityQuantity).select(medium.kinematic ? 1 : 0);
    form_.choice(ViscosityUnit).refill(model::unitLabels(medium.kinematic ? model::Quantity::KinematicViscosity
                                                                          : model::Quantity::DynamicViscosity));
    form_.choice(ViscosityUnit).select(medium.viscosityUnit);
    form_.setText(Viscosity, medium.viscosity);
    showKind();
    form_.setOutput(Result, "");
}

void OrificePresenter::showKind() {
    const RestrictionKind k = kind();
    const bool second = k != RestrictionKind::SharpOrifice;
    showFields({Second, SecondUnit, SecondLabel}, second);
    form_.setCaption(SecondLabel, k == RestrictionKind::RoundedOrifice ? global(GlobalText::LabelEdgeRadius) + " R:"
                                                                       : global(GlobalText::LabelDiscThickness) + " L:");
    form_.setOutput(Picture, std::to_string(2602 + form_.index(Kind)) + ".bmp");
}

void OrificePresenter::edited(int) { form_.setOutput(Result, ""); }

void OrificePresenter::chosen(int field) {
    if (field == FlowQuantity)
        form_.choice(FlowUnit).refill(form_.index(FlowQuantity) == 1 ? model::unitLabels(model::Quantity::MassFlow)
                                                                     : NominalDiameterPresenter::flowUnits());
    if (field == ViscosityQuantity)
        form_.choice(ViscosityUnit).refill(model::unitLabels(form_.index(ViscosityQuantity) == 1
                                                                 ? model::Quantity::KinematicViscosity
                                                                 : model::Quantity::DynamicViscosity));
    if (field == Kind) {
        form_.setText(Second, "");
        showKind();
    }
    form_.setOutput(Result, "");
}

std::optional<Real> OrificePresenter::read(int entry, int label, model::Messenger& messenger, bool zeroAllowed) const {
    const auto value = number(entry, label, messenger);
    if (value && (*value < 0 || (!zeroAllowed && *value == 0))) {
        refuse(entry, label, messenger);
        return std::nullopt;
    }
    return value;
}

void OrificePresenter::calculate(model::Messenger& messenger) {
    form_.setOutput(Result, "");
    sizing_ = {};
    // The labels the messages name: the quantity boxes' texts and the density label.
    form_.setCaption(Flow, form_.current(FlowQuantity));
    form_.setCaption(Viscosity, form_.current(ViscosityQuantity));
    const auto flow = number(Flow, Flow, messenger);
    if (!flow) return;
    const auto density = read(Density, DensityLabel, messenger, false);
    if (!density) return;
    const auto viscosity = read(Viscosity, Viscosity, messenger, false);
    if (!viscosity) return;
    OrificeSizingInput input;
    input.kind = kind();
    input.density = model::convertDensity(form_.current(DensityUnit), *density);
    input.flow = model::convertFlow(form_.current(FlowUnit), *flow, input.density);
    input.viscosity = model::convertViscosity(form_.current(ViscosityUnit), *viscosity, input.density);

    const auto pipe = read(PipeDiameter, PipeDiameterLabel, messenger, false);
    if (!pipe) return;
    input.pipeDiameter = model::convertSmallLength(form_.current(PipeDiameterUnit), *pipe);
    if (input.kind != RestrictionKind::SharpOrifice) {
        const auto second = read(Second, SecondLabel, messenger, true);
        if (!second) return;
        input.second = model::convertSmallLength(form_.current(SecondUnit), *second);
    }
    const auto loss = number(PressureLoss, PressureLossLabel, messenger);
    if (!loss) return;
    input.pressureLoss = model::convertPressure(form_.current(PressureLossUnit), *loss);

    sizing_ = sizeOrifice(input);
    if (!sizing_.bore) {
        messenger.show({.icon = model::MessageIcon::Information, .caption = text(O::NoBoreCaption),
                        .text = text(O::NoBore)});
        return;
    }
    const Real d = *sizing_.bore;
    form_.setOutput(Result, text(O::ResultText) + " " + (us() ? write(d / 25.4L) + " in." : write(d) + " mm"));
    // The coefficients hold for a range of Reynolds numbers; outside it the bore is only a guide.
    std::optional<GlobalText> notice;
    if (input.kind == RestrictionKind::SharpOrifice && sizing_.reynolds < 100000)
        notice = GlobalText::SharpOrificeReynoldsWarning;
    if (input.kind == RestrictionKind::RoundedOrifice && sizing_.reynolds < 3000)
        notice = GlobalText::RoundedOrificeReynoldsWarning;
    if (input.kind == RestrictionKind::PerforatedPlate && sizing_.boreReynolds < 4000)
        notice = GlobalText::ThickOrificeReynoldsWarning;
    if (notice)
        messenger.show({.icon = model::MessageIcon::Information, .caption = global(GlobalText::InformationCaption),
                        .text = global(*notice)});
}

}  // namespace velmora::tools
