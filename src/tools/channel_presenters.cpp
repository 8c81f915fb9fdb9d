#include "tools/channel_presenters.h"

#include <array>
#include <cmath>

#include "lang/dialog_messages.h"
#include "model/unit_catalogue.h"

namespace velmora::tools {

using C = ChannelText;
using D = ChannelDesignText;
using model::GlobalText;

namespace {

constexpr Real kFoot = 0.3048L;  // m

}  // namespace

// ---- shared -------------------------------------------------------------------------------------

ChannelPresenterBase::ChannelPresenterBase(const lang::TextCatalogue& texts, std::string_view block)
    : ToolPresenter(texts, block) {
    form_.choice(SlopeChoice) = model::UnitBox({"", "", ""});
}

const std::string& ChannelPresenterBase::channelText(ChannelText role) const {
    return lang::blockText(texts(), "TGerinneDlg", role);
}

std::string ChannelPresenterBase::lengthLabel(const std::string& letter, bool feet, bool area) const {
    const ChannelText word = feet ? (area ? C::SquareFeetWord : C::FeetWord) : (area ? C::SquareMetreWord : C::MetreWord);
    return letter + " " + global(GlobalText::UnitConnector) + " " + channelText(word) + ":";
}

std::string ChannelPresenterBase::pictureName(ChannelShape shape) const {
    const std::string edition(1, texts().edition().letter());
    switch (shape) {
        case ChannelShape::Rectangle: return "GERINNE_RECHTECK.bmp";
        case ChannelShape::Trapezoid: return "GERINNE_TRAPEZ.bmp";
        case ChannelShape::Semicircle: return "GERINNE_HALBKREIS.bmp";
        case ChannelShape::Triangle: return "GERINNE_DREIECK.bmp";
        case ChannelShape::AnyShape: break;
    }
    return "GERINNE_BELIEBIG_" + edition + ".bmp";
}

void ChannelPresenterBase::setSharedCaptions() {
    form_.choice(SlopeChoice).refillKeepingIndex(
        {channelText(C::SlopeDimensions), channelText(C::SlopeAngle), channelText(C::SlopePercent)});
    form_.setCaption(ShapeTitle, channelText(C::ShapeTitle));
    form_.setCaption(SlopeTitle, channelText(C::SlopeTitle));
    form_.setCaption(StricklerLabel, channelText(C::StricklerLabel));
    form_.setCaption(Database, channelText(C::Database));
    form_.setCaption(Printscreen, channelText(C::Printscreen));
    form_.setCaption(Calculate, global(GlobalText::ButtonCalculate));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    form_.setCaption(ResultsTitle, channelText(C::ResultsTitle));
    form_.setOutput(SlopePicture, "GERINNE_GEFAELLE_" + std::string(1, texts().edition().letter()) + ".bmp");
}

void ChannelPresenterBase::setSlopeCaptions(bool feet) {
    const int mode = form_.index(SlopeChoice);
    const bool dimensions = mode == static_cast<int>(SlopeMode::Dimensions);
    if (dimensions) {
        form_.setCaption(Z1Label, lengthLabel("z1", feet));
        form_.setCaption(Z2Label, lengthLabel("z2", feet));
        form_.setCaption(SlopeLengthLabel, lengthLabel("L", feet));
    } else if (mode == static_cast<int>(SlopeMode::Angle)) {
        form_.setCaption(Z1Label, global(GlobalText::LabelAngle) + " " + global(GlobalText::UnitConnector) + " " +
                                      global(GlobalText::DegreeWord) + ":");
    } else {
        form_.setCaption(Z1Label, channelText(C::PercentLabel));
    }
    showFields({Z2, Z2Label, SlopeLength, SlopeLengthLabel}, dimensions);
}

std::optional<Real> ChannelPresenterBase::readSlope(model::Messenger& messenger) const {
    const auto first = number(Z1, Z1Label, messenger, true);
    if (!first) return std::nullopt;
    switch (static_cast<SlopeMode>(form_.index(SlopeChoice))) {
        case SlopeMode::Dimensions: {
            const auto z2 = number(Z2, Z2Label, messenger, true);
            if (!z2) return std::nullopt;
            const auto length = number(SlopeLength, SlopeLengthLabel, messenger, true);
            if (!length) return std::nullopt;
            if (*length == 0) {
                refuse(SlopeLength, SlopeLengthLabel, messenger);
                return std::nullopt;
            }
            return std::fabs(slopeFromDimensions(*first, *z2, *length));
        }
        case SlopeMode::Angle:
            // A channel falls at an angle above 0° and at most 90°.
            if (*first <= 0 || *first > 90) break;
            return slopeFromAngle(*first);
        case SlopeMode::Percent:
            if (*first < 0) break;
            return slopeFromPercent(*first);
    }
    refuse(Z1, Z1Label, messenger);
    return std::nullopt;
}

std::optional<Real> ChannelPresenterBase::readStrickler(model::Messenger& messenger) const {
    const auto k = number(Strickler, StricklerLabel, messenger, true);
    if (k && *k <= 0) {
        refuse(Strickler, StricklerLabel, messenger);
        return std::nullopt;
    }
    return k;
}

void ChannelPresenterBase::takeStrickler(const std::string& text) {
    form_.setText(Strickler, text.substr(0, text.find('-')));
    clearResults();
}

void ChannelPresenterBase::edited(int) { clearResults(); }

void ChannelPresenterBase::chosen(int field) {
    if (field == SlopeChoice) {
        for (int entry : {Z1, Z2, SlopeLength}) form_.setText(entry, "");
        setSlopeCaptions(feetSlope());
    }
    clearResults();
}

// ---- existing channel ---------------------------------------------------------------------------

ChannelCalcPresenter::ChannelCalcPresenter(const lang::TextCatalogue& texts)
    : ChannelPresenterBase(texts, "TGerinneDlg") {
    form_.choice(LengthUnit) = model::UnitBox({"m", "ft."});
    form_.choice(Shape) = model::UnitBox({"", "", "", "", ""});
}

void ChannelCalcPresenter::shown() {
    setSharedCaptions();
    form_.choice(Shape).refillKeepingIndex({channelText(C::Rectangle), channelText(C::Trapezoid),
                                            channelText(C::Semicircle), channelText(C::Triangle),
                                            channelText(C::AnyShape)});
    form_.setCaption(LengthUnitLabel, channelText(C::UnitsLabel));
    setShapeCaptions();
    setSlopeCaptions(feet());
    clearResults();
}

void ChannelCalcPresenter::setShapeCaptions() {
    const bool ft = feet();
    const std::string angle = global(GlobalText::LabelAngle) + " " + global(GlobalText::UnitConnector) + " " +
                              global(GlobalText::DegreeWord) + ":";
    struct Labels {
        std::string first, second, third;
    };
    Labels labels;
    switch (shape()) {
        case ChannelShape::Rectangle: labels = {lengthLabel("B", ft), lengthLabel("H", ft), ""}; break;
        case ChannelShape::Trapezoid: labels = {lengthLabel("B", ft), lengthLabel("H", ft), angle}; break;
        case ChannelShape::Semicircle: labels = {lengthLabel("R", ft), "", ""}; break;
        case ChannelShape::Triangle: labels = {lengthLabel("H", ft), angle, ""}; break;
        case ChannelShape::AnyShape: labels = {lengthLabel("U", ft), lengthLabel("A", ft, true), ""}; break;
    }
    form_.setCaption(Dim1Label, labels.first);
    form_.setCaption(Dim2Label, labels.second);
    form_.setCaption(Dim3Label, labels.third);
    showFields({Dim2, Dim2Label}, !labels.second.empty());
    showFields({Dim3, Dim3Label}, !labels.third.empty());
    form_.setOutput(ShapePicture, pictureName(shape()));
    const std::string& in = global(GlobalText::UnitConnector);
    form_.setCaption(VelocityLabel, global(GlobalText::CaptionVelocity) + " " + in + (us() ? " ft./s:" : " m/s:"));
    form_.setCaption(FlowLabel, global(GlobalText::CaptionFlow) + " " + in + (us() ? " cfs:" : " m^3/s:"));
}

void ChannelCalcPresenter::clearResults() { form_.clearOutputs({Velocity, Flow}); }

void ChannelCalcPresenter::chosen(int field) {
    if (field == Shape)
        for (int entry : {Dim1, Dim2, Dim3}) form_.setText(entry, "");
    if (field == Shape || field == LengthUnit) {
        setShapeCaptions();
        setSlopeCaptions(feet());
    }
    ChannelPresenterBase::chosen(field);
}

void ChannelCalcPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const auto slope = readSlope(messenger);
    if (!slope) return;
    // The entries of the shape, each a positive number; angles in their ranges.
    const ChannelShape kind = shape();
    const std::array<int, 3> entries{Dim1, Dim2, Dim3};
    const std::array<int, 3> labels{Dim1Label, Dim2Label, Dim3Label};
    std::array<Real, 3> values{0, 0, 0};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!form_.visible(entries[i])) continue;
        const auto value = number(entries[i], labels[i], messenger, true);
        if (!value) return;
        const bool angle = (kind == ChannelShape::Trapezoid && i == 2) || (kind == ChannelShape::Triangle && i == 1);
        const bool valid = angle ? (*value > 0 && (kind == ChannelShape::Trapezoid ? *value <= 90 : *value < 90))
                                 : *value > 0;
        if (!valid) {
            refuse(entries[i], labels[i], messenger);
            return;
        }
        values[i] = *value;
    }
    const auto strickler = readStrickler(messenger);
    if (!strickler) return;

    ChannelSection section = channelSection(kind, values[0], values[1], values[2]);
    if (feet()) {
        // The lengths were in feet: the area in ft², the perimeter in ft.
        section.area *= kFoot * kFoot;
        section.perimeter *= kFoot;
    }
    const Real v = manningVelocity(*strickler, section.area / section.perimeter, *slope);
    const Real q = section.area * v;
    form_.setOutput(Velocity, write(us() ? v / kFoot : v));
    form_.setOutput(Flow, write(us() ? q / (kFoot * kFoot * kFoot) : q));
}

// ---- channel design -----------------------------------------------------------------------------

ChannelDesignPresenter::ChannelDesignPresenter(const lang::TextCatalogue& texts)
    : ChannelPresenterBase(texts, "TKanalDlg") {
    form_.choice(FlowUnit) = model::UnitBox({"m^3/s", "cfs"});
    form_.choice(SlopeUnit) = model::UnitBox({"m", "ft."});
    form_.choice(Shape) = model::UnitBox({"", "", "", ""});
}

void ChannelDesignPresenter::shown() {
    setSharedCaptions();
    form_.choice(Shape).refillKeepingIndex({channelText(C::Rectangle), channelText(C::Trapezoid),
                                            channelText(C::Semicircle), channelText(C::Triangle)});
    form_.setCaption(FlowLabel, designText(D::FlowLabel));
    form_.setCaption(SlopeUnitLabel, designText(D::SlopeUnitsLabel));
    form_.setCaption(AngleLabel, designText(D::TrapezoidAngle));
    form_.setCaption(VelocitiesLabel, designText(D::VelocitiesCaption));
    std::vector<std::string> velocities;
    for (int i = static_cast<int>(D::Velocity1); i <= static_cast<int>(D::Velocity9); ++i)
        velocities.push_back(text(i));
    form_.choice(Velocities).refillKeepingIndex(std::move(velocities));
    setSlopeCaptions(feetSlope());
    showShape();
    clearResults();
}

void ChannelDesignPresenter::showShape() {
    const ChannelShape kind = shape();
    showFields({Angle, AngleLabel}, kind == ChannelShape::Trapezoid);
    form_.setOutput(ShapePicture, pictureName(kind));
    const bool ft = us();
    const std::string& in = global(GlobalText::UnitConnector);
    switch (kind) {
        case ChannelShape::Semicircle:
            form_.setCaption(Result1Label, lengthLabel("R", ft));
            form_.setCaption(Result2Label, "");
            break;
        case ChannelShape::Triangle:
            form_.setCaption(Result1Label, lengthLabel("H", ft));
            form_.setCaption(Result2Label, global(GlobalText::LabelAngle) + " " + in + " " +
                                               global(GlobalText::DegreeWord) + ":");
            break;
        default:
            form_.setCaption(Result1Label, lengthLabel("B", ft));
            form_.setCaption(Result2Label, lengthLabel("H", ft));
    }
    showFields({Result2, Result2Label}, kind != ChannelShape::Semicircle);
    form_.setCaption(VelocityLabel, global(GlobalText::CaptionVelocity) + " " + in + (ft ? " ft./s:" : " m/s:"));
}

void ChannelDesignPresenter::clearResults() { form_.clearOutputs({Result1, Result2, Velocity}); }

void ChannelDesignPresenter::chosen(int field) {
    if (field == Shape) {
        if (shape() == ChannelShape::Trapezoid) form_.setText(Angle, "60");
        showShape();
    }
    if (field == SlopeUnit) setSlopeCaptions(feetSlope());
    ChannelPresenterBase::chosen(field);
}

void ChannelDesignPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const auto slope = readSlope(messenger);
    if (!slope) return;
    // A level channel carries nothing: no section can be designed for it.
    if (*slope == 0) {
        refuse(Z1, Z1Label, messenger);
        return;
    }
    const auto flow = number(Flow, FlowLabel, messenger, true);
    if (!flow) return;
    if (*flow <= 0) {
        refuse(Flow, FlowLabel, messenger);
        return;
    }
    const auto strickler = readStrickler(messenger);
    if (!strickler) return;
    Real angle = 60;
    if (shape() == ChannelShape::Trapezoid) {
        const auto value = number(Angle, AngleLabel, messenger, true);
        if (!value) return;
        if (*value <= 0 || *value > 90) {
            refuse(Angle, AngleLabel, messenger);
            return;
        }
        angle = *value;
    }
    const Real q = form_.index(FlowUnit) == 1 ? *flow * kFoot * kFoot * kFoot : *flow;  // m³/s
    const ChannelDesign design = designChannel(shape(), q, *slope, *strickler, angle);
    const Real scale = us() ? 1 / kFoot : 1;
    switch (shape()) {
        case ChannelShape::Semicircle: form_.setOutput(Result1, write(design.radius * scale)); break;
        case ChannelShape::Triangle:
            form_.setOutput(Result1, write(design.height * scale));
            form_.setOutput(Result2, "45");
            break;
        default:
            form_.setOutput(Result1, write(design.width * scale));
            form_.setOutput(Result2, write(design.height * scale));
    }
    form_.setOutput(Velocity, write(design.velocity * scale));
}

}  // namespace velmora::tools
