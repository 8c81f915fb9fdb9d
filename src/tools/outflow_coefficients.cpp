#include "lang/dialog_messages.h"
#include "tools/outflow_presenters.h"

namespace velmora::tools {

using S = SmallCoefficientText;
using L = LargeCoefficientText;
using model::GlobalText;

namespace {

enum SmallForm { SharpEdged, Nozzle, ConicalTube, CylindricalTube, NozzleTube };

// Fixed outflow coefficients of the forms that need no entries.
constexpr Real kSharpEdged = 0.60L;
constexpr Real kNozzle = 0.98L;
constexpr Real kCylindricalTube = 0.82L;

}  // namespace

// ---- small openings -----------------------------------------------------------------------------

SmallCoefficientPresenter::SmallCoefficientPresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, "TDabaAusflusszahlDlg") {
    form_.choice(Form) = model::UnitBox({"", "", "", "", ""});
    form_.choice(Unit) = model::UnitBox({"mm", "in."});
}

void SmallCoefficientPresenter::shown() {
    form_.choice(Form).refillKeepingIndex({text(S::SharpEdged), text(S::Nozzle), text(S::ConicalTube),
                                           text(S::CylindricalTube), text(S::NozzleTube)});
    form_.setCaption(FormTitle, text(S::FormTitle));
    form_.setCaption(UnitLabel, text(S::UnitLabel));
    form_.setCaption(Compute, text(S::Compute));
    form_.setCaption(ValueLabel, text(S::ValueLabel));
    form_.setCaption(TakeOver, text(S::TakeOver));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    showForm();
}

void SmallCoefficientPresenter::showForm() {
    const int f = form_.index(Form);
    const bool cone = f == ConicalTube;
    const bool nozzleTube = f == NozzleTube;
    form_.setCaption(Entry1Label, text(cone ? S::ConeAngleLabel : S::TubeDiameterLabel));
    form_.setCaption(Entry2Label, text(S::NozzleDiameterLabel));
    showFields({Entry1, Entry1Label}, cone || nozzleTube);
    showFields({Entry2, Entry2Label, Unit, UnitLabel}, nozzleTube);
    form_.setEnabled(Compute, cone || nozzleTube);
    const std::string edition(1, texts().edition().letter());
    const std::string pictures[] = {"AUSFLUSS1", "AUSFLUSS2_" + edition, "AUSFLUSS3", "AUSFLUSS4", "AUSFLUSS5"};
    form_.setOutput(Picture, pictures[f] + ".bmp");
    const Real fixed[] = {kSharpEdged, kNozzle, 0, kCylindricalTube, 0};
    form_.setOutput(Value, cone || nozzleTube ? "" : write(fixed[f], 2));
}

void SmallCoefficientPresenter::edited(int) {
    if (form_.enabled(Compute)) form_.setOutput(Value, "");
}

void SmallCoefficientPresenter::chosen(int field) {
    if (field == Form) {
        form_.setText(Entry1, "");
        form_.setText(Entry2, "");
        showForm();
    } else if (form_.enabled(Compute)) {
        form_.setOutput(Value, "");
    }
}

void SmallCoefficientPresenter::compute(model::Messenger& messenger) {
    const int f = form_.index(Form);
    if (f != ConicalTube && f != NozzleTube) return;
    form_.setOutput(Value, "");
    const auto first = number(Entry1, Entry1Label, messenger, true);
    if (!first) return;
    std::optional<Real> mu;
    if (f == ConicalTube) {
        mu = conicalTubeCoefficient(*first);
        if (!mu) {
            messenger.show(lang::plainMessage(texts(), text(S::ConeAngleRange), Entry1));
            return;
        }
    } else {
        const auto second = number(Entry2, Entry2Label, messenger, true);
        if (!second) return;
        // Both diameters in the same unit: the ratio needs no conversion.
        const Real ratio = *first == 0 ? -1 : *second * *second / (*first * *first);
        mu = nozzleTubeCoefficient(ratio);
        if (!mu) {
            messenger.show(lang::plainMessage(texts(), text(S::AreaRatioRange), Entry1));
            return;
        }
    }
    form_.setOutput(Value, write(*mu, 2));
}

// ---- large openings -----------------------------------------------------------------------------

LargeCoefficientPresenter::LargeCoefficientPresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, "TDabaAusflusszahl_grossDlg") {
    form_.choice(Opening) = model::UnitBox({"", ""});
    form_.choice(Edge) = model::UnitBox({"", ""});
    form_.choice(Unit) = model::UnitBox({"m", "ft."});
}

void LargeCoefficientPresenter::shown() {
    form_.choice(Opening).refillKeepingIndex({text(L::Side), text(L::Bottom)});
    form_.choice(Edge).refillKeepingIndex({text(L::SharpEdged), text(L::Rounded)});
    form_.setCaption(OpeningTitle, text(L::OpeningTitle));
    form_.setCaption(EdgeTitle, text(L::EdgeTitle));
    form_.setCaption(UnitLabel, text(L::UnitLabel));
    const auto small = [this](S role) { return lang::blockText(texts(), "TDabaAusflusszahlDlg", role); };
    form_.setCaption(Compute, small(S::Compute));
    form_.setCaption(ValueLabel, small(S::ValueLabel));
    form_.setCaption(TakeOver, small(S::TakeOver));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    showOpening();
}

void LargeCoefficientPresenter::showOpening() {
    const bool fixed = side() && rounded();
    form_.setCaption(Entry1Label, text(side() ? L::HeightLabel : L::VesselDiameterLabel));
    form_.setCaption(Entry2Label, text(side() ? L::WidthLabel : L::OpeningDiameterLabel));
    showFields({Entry1, Entry1Label, Entry2, Entry2Label, Unit, UnitLabel}, !fixed);
    form_.setEnabled(Compute, !fixed);
    form_.setOutput(Picture, side() ? "GAUSFLUSS1.bmp" : "GAUSFLUSS2.bmp");
    form_.setOutput(Value, fixed ? write(0.7L, 1) + " " + global(GlobalText::RangeJoinWord) + " " + write(0.8L, 1) : "");
}

void LargeCoefficientPresenter::edited(int) {
    if (form_.enabled(Compute)) form_.setOutput(Value, "");
}

void LargeCoefficientPresenter::chosen(int field) {
    if (field == Opening || field == Edge) {
        form_.setText(Entry1, "");
        form_.setText(Entry2, "");
        showOpening();
    } else if (form_.enabled(Compute)) {
        form_.setOutput(Value, "");
    }
}

void LargeCoefficientPresenter::compute(model::Messenger& messenger) {
    if (!form_.enabled(Compute)) return;
    form_.setOutput(Value, "");
    const auto first = number(Entry1, Entry1Label, messenger, true);
    if (!first) return;
    const auto second = number(Entry2, Entry2Label, messenger, true);
    if (!second) return;
    // h / b of the side opening, d / D of the bottom opening; both lengths in one unit.
    const Real ratio = side() ? (*second == 0 ? -1 : *first / *second) : (*first == 0 ? -1 : *second / *first);
    const auto mu = side() ? largeSideOpeningCoefficient(ratio) : bottomOpeningCoefficient(ratio);
    if (!mu) {
        messenger.show(lang::plainMessage(texts(), text(side() ? L::HeightWidthRange : L::DiameterRatioRange), Entry1));
        return;
    }
    form_.setOutput(Value, write(*mu, 2));
}

std::string LargeCoefficientPresenter::takeOver() const {
    if (side() && rounded()) return write(0.7L, 1);
    return form_.output(Value);
}

}  // namespace velmora::tools
