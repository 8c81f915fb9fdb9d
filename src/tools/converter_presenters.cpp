#include "tools/converter_presenters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "tools/nominal_diameter_presenter.h"

namespace velmora::tools {

using CT = ConverterText;
using model::GlobalText;

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kFoot = 0.3048L;
constexpr Real kGallonsPerMinutePerCubicMetrePerHour = 1 / (0.158987L / 42 * 60);

const std::vector<std::string> kSmallLengths = {"mm", "in."};

// The captions of a converter's block and the shared buttons.
void setCaptions(model::DialogForm& form, const lang::TextCatalogue& texts, std::string_view block) {
    form.setCaption(FirstLabel, lang::blockText(texts, block, CT::FirstLabel));
    form.setCaption(SecondLabel, lang::blockText(texts, block, CT::SecondLabel));
    form.setCaption(ResultLabel, lang::blockText(texts, block, CT::ResultLabel));
    form.setCaption(Calculate, texts.text(GlobalText::ButtonCalculate));
    form.setCaption(TakeOver, texts.text(GlobalText::ButtonTakeOver));
    form.setCaption(Close, texts.text(GlobalText::ButtonClose));
}

// The main form's first parameter as a diameter: its text, and its unit when it is a small length.
void takeDiameter(model::DialogForm& form, const EntryWithUnit& parameter) {
    form.setText(Second, parameter.text);
    form.choice(SecondUnit).selectLabel(parameter.unit);
}

}  // namespace

// ---- kv, Cv to zeta -----------------------------------------------------------------------------

KvZetaPresenter::KvZetaPresenter(const lang::TextCatalogue& texts, Coefficient coefficient)
    : ToolPresenter(texts, coefficient == Coefficient::Kv ? "Tkv_in_Zeta_Dlg" : "TCv_in_ZetaDlg"),
      coefficient_(coefficient) {
    form_.choice(SecondUnit) = model::UnitBox(kSmallLengths);
}

Real KvZetaPresenter::zeta(Real kv, Real diameterMm) {
    const Real d = diameterMm / 10;  // cm
    return 16 * d * d * d * d / (kv * kv);
}

void KvZetaPresenter::shown(const EntryWithUnit& firstParameter) {
    setCaptions(form_, texts(), coefficient_ == Coefficient::Kv ? "Tkv_in_Zeta_Dlg" : "TCv_in_ZetaDlg");
    takeDiameter(form_, firstParameter);
    form_.setOutput(Result, "");
}

void KvZetaPresenter::edited(int) { form_.setOutput(Result, ""); }
void KvZetaPresenter::chosen(int) { form_.setOutput(Result, ""); }

void KvZetaPresenter::calculate(model::Messenger& messenger) {
    form_.setOutput(Result, "");
    const auto coefficient = number(First, FirstLabel, messenger);
    if (!coefficient) return;
    if (*coefficient == 0) return refuse(First, FirstLabel, messenger);
    const auto diameter = number(Second, SecondLabel, messenger);
    if (!diameter) return;
    if (*diameter == 0) return refuse(Second, SecondLabel, messenger);
    const Real kv = coefficient_ == Coefficient::Cv ? 0.86L * *coefficient : *coefficient;
    form_.setOutput(Result, write(zeta(kv, model::convertSmallLength(form_.current(SecondUnit), *diameter))));
}

std::optional<KvZetaPresenter::Transfer> KvZetaPresenter::takeOver() const {
    if (form_.output(Result).empty()) return std::nullopt;
    return Transfer{{form_.text(Second), form_.current(SecondUnit)}, form_.output(Result)};
}

// ---- head ---------------------------------------------------------------------------------------

HeadPresenter::HeadPresenter(const lang::TextCatalogue& texts) : ToolPresenter(texts, "TFoerderhoehe_Dlg") {
    form_.choice(FirstUnit) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(SecondUnit) = model::UnitBox(model::unitLabels(model::Quantity::Density));
}

void HeadPresenter::shown(Real totalLossBar, const std::string& density, int densityUnit,
                          model::Messenger& messenger) {
    setCaptions(form_, texts(), "TFoerderhoehe_Dlg");
    form_.setCaption(SecondLabel, global(GlobalText::CaptionDensity) + ":");
    const Real psi = model::convertPressure("psia", 1);
    const Real loss = us() ? totalLossBar / psi : totalLossBar;
    // At least three significant digits, so that the small loss of a short line is not shown as 0.
    int decimals = settings().decimals;
    if (loss != 0) decimals = std::clamp(2 - static_cast<int>(std::floor(std::log10(std::fabs(loss)))), decimals, 8);
    form_.setText(First, write(loss, decimals));
    form_.choice(FirstUnit).selectLabel(us() ? "psia" : "bar");
    form_.setText(Second, density);
    form_.choice(SecondUnit).select(densityUnit);
    form_.clearOutputs({Result, Result2});
    if (model::readNumber(density)) calculate(messenger);
}

void HeadPresenter::edited(int) { form_.clearOutputs({Result, Result2}); }
void HeadPresenter::chosen(int) { form_.clearOutputs({Result, Result2}); }

void HeadPresenter::calculate(model::Messenger& messenger) {
    form_.clearOutputs({Result, Result2});
    const auto loss = number(First, FirstLabel, messenger);
    if (!loss) return;
    const auto density = number(Second, SecondLabel, messenger);
    if (!density) return;
    const Real rho = model::convertDensity(form_.current(SecondUnit), *density);
    if (rho <= 0) return;
    const Real head = model::convertPressure(form_.current(FirstUnit), *loss) / rho / 9.81L * 100000;  // m
    form_.setOutput(Result, write(head, 1) + " m");
    form_.setOutput(Result2, "(= " + write(head / kFoot, 1) + " ft.)");
}

// ---- velocity to flow ---------------------------------------------------------------------------

VelocityToFlowPresenter::VelocityToFlowPresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, "Tgeschw_v") {
    form_.choice(FirstUnit) = model::UnitBox({"m/s", "ft./s"});
    form_.choice(SecondUnit) = model::UnitBox(kSmallLengths);
}

void VelocityToFlowPresenter::shown(const EntryWithUnit& firstParameter, std::optional<Real> lastVelocity,
                                    model::Messenger& messenger) {
    setCaptions(form_, texts(), "Tgeschw_v");
    form_.choice(FirstUnit).select(us() ? 1 : 0);
    takeDiameter(form_, firstParameter);
    form_.setText(First, lastVelocity ? write(us() ? *lastVelocity / kFoot : *lastVelocity, 2) : "");
    form_.clearOutputs({Result, Result2});
    flowText_.clear();
    if (lastVelocity) calculate(messenger);
}

void VelocityToFlowPresenter::edited(int) {
    form_.clearOutputs({Result, Result2});
    flowText_.clear();
}
void VelocityToFlowPresenter::chosen(int field) { edited(field); }

void VelocityToFlowPresenter::calculate(model::Messenger& messenger) {
    edited(Result);
    const auto velocity = number(First, FirstLabel, messenger);
    if (!velocity) return;
    const auto diameter = number(Second, SecondLabel, messenger);
    if (!diameter) return;
    const Real v = form_.index(FirstUnit) == 1 ? *velocity * kFoot : *velocity;      // m/s
    const Real d = model::convertSmallLength(form_.current(SecondUnit), *diameter);  // mm
    const Real q = d * d * kPi * v * 0.0036L / 4;                                    // m³/h
    flowText_ = write(q, 2);
    form_.setOutput(Result, flowText_ + " m³/h");
    form_.setOutput(Result2, "(= " + write(q * kGallonsPerMinutePerCubicMetrePerHour, 2) + " gal/min)");
}

std::optional<std::string> VelocityToFlowPresenter::takeOver() const {
    if (flowText_.empty()) return std::nullopt;
    return flowText_;
}

// ---- flow to velocity ---------------------------------------------------------------------------

FlowToVelocityPresenter::FlowToVelocityPresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, "Tv_geschw") {
    form_.choice(FirstUnit) = model::UnitBox(NominalDiameterPresenter::flowUnits());
    form_.choice(SecondUnit) = model::UnitBox(kSmallLengths);
}

void FlowToVelocityPresenter::shown(bool massFlow, const EntryWithUnit& flow, const EntryWithUnit& firstParameter,
                                    model::Messenger& messenger) {
    setCaptions(form_, texts(), "Tv_geschw");
    // A mass or a norm flow is not the operating volume flow: the entry starts empty in m³/h.
    if (massFlow || model::isNormFlowUnit(flow.unit)) {
        form_.setText(First, "");
        form_.choice(FirstUnit).select(0);
    } else {
        form_.setText(First, flow.text);
        if (!form_.choice(FirstUnit).selectLabel(flow.unit)) form_.choice(FirstUnit).select(0);
    }
    takeDiameter(form_, firstParameter);
    form_.clearOutputs({Result, Result2});
    calculate(messenger);
}

void FlowToVelocityPresenter::edited(int) { form_.clearOutputs({Result, Result2}); }
void FlowToVelocityPresenter::chosen(int) { form_.clearOutputs({Result, Result2}); }

void FlowToVelocityPresenter::calculate(model::Messenger& messenger) {
    form_.clearOutputs({Result, Result2});
    const auto flow = number(First, FirstLabel, messenger);
    if (!flow) return;
    const auto diameter = number(Second, SecondLabel, messenger);
    if (!diameter) return;
    const Real d = model::convertSmallLength(form_.current(SecondUnit), *diameter);  // mm
    if (d <= 0) return;
    const Real q = model::convertFlow(form_.current(FirstUnit), *flow, 1);  // m³/h
    const Real v = q * 10000 / 36 * 4 / kPi / (d * d);
    form_.setOutput(Result, write(v, 2) + " m/s");
    form_.setOutput(Result2, "(= " + write(v / kFoot, 2) + " ft./s)");
}

}  // namespace velmora::tools
