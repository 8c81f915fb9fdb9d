#include "media/vapour_pressure_presenter.h"

#include <algorithm>

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/vapour_pressure_window_text.h"
#include "persist/data_file_error.h"

namespace velmora::media {

namespace {

using F = VapourPressureField;
using model::VapourPressureText;

int field(F f) {
    return static_cast<int>(f);
}

// A whole number of degrees as typed ("-5", " 20 "); none for anything else.
std::optional<int> wholeDegrees(std::string_view text) {
    const std::optional<Real> value = model::readNumber(text);
    if (!value || text.find_first_not_of(" \t") == std::string_view::npos) return std::nullopt;
    const long long whole = model::roundHalfAway(*value);
    if (static_cast<Real>(whole) != *value || whole < -100000 || whole > 100000) return std::nullopt;
    return static_cast<int>(whole);
}

}  // namespace

VapourPressurePresenter::VapourPressurePresenter(const lang::TextCatalogue& texts) : texts_(texts) {}

std::optional<model::UserMessage> VapourPressurePresenter::show(MediumOutput output,
                                                                const persist::DataFileSet& files,
                                                                const VapourPressureCaller& caller) {
    output_ = output;
    caller_ = caller;
    const auto caption = [&](F f, VapourPressureText t) {
        form_.setCaption(field(f), lang::blockText(texts_, model::kVapourPressureBlock, t));
    };
    caption(F::Title, VapourPressureText::Title);
    caption(F::ListLabel, VapourPressureText::ListLabel);
    caption(F::MolarMassLabel, VapourPressureText::MolarMass);
    caption(F::MeltingLabel, VapourPressureText::Melting);
    caption(F::BoilingLabel, VapourPressureText::Boiling);
    caption(F::RangeLabel1, VapourPressureText::Range1);
    caption(F::RangeLabel2, VapourPressureText::Range2);
    caption(F::MinimumLabel, VapourPressureText::Min);
    caption(F::MaximumLabel, VapourPressureText::Max);
    caption(F::TemperatureLabel, VapourPressureText::Temperature);
    caption(F::PressureCaption, VapourPressureText::Pressure);
    caption(F::DensityCaption, VapourPressureText::Density);
    caption(F::Note1, VapourPressureText::Note1);
    caption(F::Note2, VapourPressureText::Note2);
    caption(F::TakeBoth, VapourPressureText::TakeBoth);
    caption(F::TakePressure, VapourPressureText::TakePressure);
    caption(F::TakeDensity, VapourPressureText::TakeDensity);
    caption(F::Cancel, VapourPressureText::Cancel);
    // The pump design takes the vapour pressure only.
    form_.setEnabled(field(F::TakeBoth), !caller.pumpDesign);
    form_.setEnabled(field(F::TakeDensity), !caller.pumpDesign);

    std::optional<model::UserMessage> message;
    try {
        records_ = loadVapourPressureDatabase(files);
    } catch (const persist::DataFileError&) {
        records_.clear();
        message = lang::dataFileError(texts_, vapourPressureFileName, lang::FileNameBreak::Blank);
    }
    std::vector<std::string> names;
    for (const VapourPressureRecord& r : records_) names.push_back(r.name);
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    showSubstance();
    if (caller.pumpDesign) {
        std::string name = caller.pumpMediumText;
        if (const auto cut = name.find(" ("); cut != std::string::npos) name = name.substr(0, cut);
        if (form_.choice(field(F::List)).selectLabel(name)) {
            showSubstance();
            // The entry holds only temperatures of the offered range.
            if (const std::optional<int> t = wholeDegrees(caller.pumpTemperatureText)) {
                const WholeDegreeRange range = offeredRange(*selected());
                setTemperature(std::clamp(*t, range.minimum, range.maximum));
            }
        }
    }
    return message;
}

void VapourPressurePresenter::hide() {
    records_.clear();
    form_.choice(field(F::List)) = model::UnitBox();
    result_.reset();
    temperature_.reset();
}

const VapourPressureRecord* VapourPressurePresenter::selected() const {
    const int index = form_.index(field(F::List));
    if (records_.empty() || index < 0 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

void VapourPressurePresenter::showSubstance() {
    const VapourPressureRecord* r = selected();
    form_.setCaption(field(F::Name), r ? r->name : "");
    form_.setCaption(field(F::Description), r ? r->description : "");
    const auto shown = [&](const std::string& text) {
        return output_.decimalComma ? model::replaceChar(text, '.', ',') : model::replaceChar(text, ',', '.');
    };
    form_.setOutput(field(F::MolarMass), r ? shown(r->molarMass) : "");
    form_.setOutput(field(F::Melting), r ? shown(r->meltingPoint) : "");
    form_.setOutput(field(F::Boiling), r ? shown(r->boilingPoint) : "");
    if (!r) {
        form_.clearOutputs({field(F::Minimum), field(F::Maximum), field(F::Fahrenheit), field(F::Pressure),
                            field(F::Density)});
        form_.setText(field(F::Temperature), "");
        result_.reset();
        temperature_.reset();
        return;
    }
    const WholeDegreeRange range = offeredRange(*r);
    form_.setOutput(field(F::Minimum), std::to_string(range.minimum));
    form_.setOutput(field(F::Maximum), std::to_string(range.maximum));
    setTemperature(range.minimum);
}

void VapourPressurePresenter::setTemperature(int celsius) {
    form_.setText(field(F::Temperature), std::to_string(celsius));
    compute();
}

void VapourPressurePresenter::compute() {
    result_.reset();
    temperature_.reset();
    form_.clearOutputs({field(F::Fahrenheit), field(F::Pressure), field(F::Density)});
    const VapourPressureRecord* r = selected();
    const std::optional<int> t = wholeDegrees(form_.text(field(F::Temperature)));
    if (!r || !t) return;
    const WholeDegreeRange range = offeredRange(*r);
    if (*t < range.minimum || *t > range.maximum) return;
    form_.setOutput(field(F::Fahrenheit),
                    "(= " + std::to_string(model::roundHalfAway(*t * 1.8L + 32)) + " °F)");
    const auto point = vapourPressureAt(*r, *t);
    if (!point) return;
    result_ = *point;
    temperature_ = *t;
    form_.setOutput(field(F::Pressure), writeShown(point->pressure, 3, output_));
    form_.setOutput(field(F::Density), writeShown(point->density, 0, output_));
}

void VapourPressurePresenter::chosen(VapourPressureField f) {
    if (f == F::List) showSubstance();
}

void VapourPressurePresenter::edited(VapourPressureField f) {
    if (f == F::Temperature) compute();
}

void VapourPressurePresenter::step(int delta) {
    const VapourPressureRecord* r = selected();
    if (!r) return;
    const WholeDegreeRange range = offeredRange(*r);
    const int now = wholeDegrees(form_.text(field(F::Temperature))).value_or(range.minimum);
    setTemperature(std::clamp(now + delta, range.minimum, range.maximum));
}

int VapourPressurePresenter::heldStep(int ticks) {
    static constexpr int steps[] = {1, 2, 5, 10, 20};
    return steps[std::clamp(ticks, 0, 4)];
}

std::optional<VapourPressureTransfer> VapourPressurePresenter::takeBoth() const {
    if (!result_ || caller_.pumpDesign) return std::nullopt;
    return VapourPressureTransfer{
        false, form_.output(field(F::Pressure)), form_.output(field(F::Density)), {}};
}

std::optional<VapourPressureTransfer> VapourPressurePresenter::takePressure() const {
    if (!result_) return std::nullopt;
    VapourPressureTransfer transfer{caller_.pumpDesign, form_.output(field(F::Pressure)), {}, {}};
    if (caller_.pumpDesign) transfer.temperature = std::to_string(*temperature_);
    return transfer;
}

std::optional<VapourPressureTransfer> VapourPressurePresenter::takeDensity() const {
    if (!result_ || caller_.pumpDesign) return std::nullopt;
    return VapourPressureTransfer{false, {}, form_.output(field(F::Density)), {}};
}

}  // namespace velmora::media
