// `velmora-cli props brine | oil | solution | estimate | list ...`: the brine, heat-transfer oil,
// aqueous solution and property estimation dialogs without a window.
#include "props_dialog_commands.h"

#include <ostream>
#include <string_view>

#include "media/brine_presenter.h"
#include "media/estimation_presenter.h"
#include "media/oil_presenter.h"
#include "media/solution_presenter.h"
#include "model/messenger.h"
#include "props_output.h"

namespace velmora::cli {

namespace {

using model::Real;

// The dialogs write numbers with a point here: the arguments use one.
media::MediumOutput plainOutput() {
    return {model::UnitSystem::Metric, false};
}

int unusable(std::ostream& err, std::string_view problem, std::string_view usage) {
    err << "error: " << problem << "; expected " << usage << '\n';
    return 2;
}

// The arguments from `first` on must be plain numbers; false (and the message) when one is not.
bool numbers(const Arguments& args, std::size_t first, std::ostream& err, std::string_view usage) {
    for (std::size_t i = first; i < args.size(); ++i)
        if (!readArgument(args[i])) {
            unusable(err, "'" + args[i] + "' is not a number (use a point as decimal separator)", usage);
            return false;
        }
    return true;
}

// The dialog's messages, one a line; true when there were any (the state was refused).
bool refused(const model::RecordingMessenger& messenger, std::ostream& err) {
    for (const model::UserMessage& message : messenger.messages()) err << model::logLine(message) << '\n';
    return !messenger.messages().empty();
}

// A data file that cannot be read: the dialog's message, exit 2.
bool unreadable(const std::optional<model::UserMessage>& message, std::ostream& err) {
    if (!message) return false;
    err << model::logLine(*message) << '\n';
    return true;
}

int unknownName(std::ostream& err, const std::string& name, std::string_view kind) {
    err << "error: '" << name << "' is not in the list of " << kind << " (see props list " << kind << ")\n";
    return 2;
}

}  // namespace

int propsBrine(const Arguments& args, const PropsContext& context, std::ostream& out, std::ostream& err) {
    constexpr std::string_view usage = "props brine N C T (brine 1 … 10, C in mass %, T in °C)";
    if (args.size() != 3) return unusable(err, "three arguments are needed", usage);
    if (!numbers(args, 0, err, usage)) return 2;
    const Real number = *readArgument(args[0]);
    int position = -1;
    for (int p = 0; p < media::brineCount; ++p)
        if (media::BrinePresenter::brineAt(p) == number) position = p;
    if (position < 0) return unusable(err, "there is no brine " + args[0], usage);

    media::BrinePresenter presenter(context.texts);
    presenter.show(plainOutput());
    using F = media::BrineField;
    presenter.form().choice(static_cast<int>(F::List)).select(position);
    presenter.chosen(F::List);
    presenter.form().setText(static_cast<int>(F::Concentration), args[1]);
    presenter.form().setText(static_cast<int>(F::Temperature), args[2]);
    model::RecordingMessenger messenger;
    presenter.calculate(messenger);
    if (refused(messenger, err)) return 1;
    printLine(out, "freezing_point", presenter.result()->freezingPoint);
    printLine(out, "density", presenter.result()->density);
    printLine(out, "viscosity", presenter.result()->viscosity);
    return 0;
}

int propsOil(const Arguments& args, const PropsContext& context, std::ostream& out, std::ostream& err) {
    constexpr std::string_view usage = "props oil NAME T (T in °C)";
    if (args.size() != 2) return unusable(err, "two arguments are needed", usage);
    if (!numbers(args, 1, err, usage)) return 2;
    media::OilPresenter presenter(context.texts);
    if (unreadable(presenter.load(context.files), err)) return 2;
    presenter.show(plainOutput());
    if (!presenter.select(args[0])) return unknownName(err, args[0], "oils");
    using F = media::OilField;
    presenter.form().setText(static_cast<int>(F::Temperature), args[1]);
    model::RecordingMessenger messenger;
    presenter.calculate(messenger);
    if (refused(messenger, err)) return 1;
    const media::OilState& state = *presenter.result();
    printLine(out, "temperature", static_cast<Real>(state.temperature));
    printLine(out, "density", state.density < 0 ? std::nullopt : std::optional<Real>(state.density));
    printLine(out, "viscosity", state.viscosity && *state.viscosity > 0 ? state.viscosity : std::nullopt);
    return 0;
}

int propsSolution(const Arguments& args, const PropsContext& context, std::ostream& out, std::ostream& err) {
    constexpr std::string_view usage = "props solution NAME W T (W in mass %, T in °C)";
    if (args.size() != 3) return unusable(err, "three arguments are needed", usage);
    if (!numbers(args, 1, err, usage)) return 2;
    media::SolutionPresenter presenter(context.texts);
    if (unreadable(presenter.load(context.files), err)) return 2;
    presenter.show(plainOutput());
    if (!presenter.select(args[0])) return unknownName(err, args[0], "solutions");
    using F = media::SolutionField;
    presenter.form().setText(static_cast<int>(F::Concentration), args[1]);
    presenter.form().setText(static_cast<int>(F::Temperature), args[2]);
    model::RecordingMessenger messenger;
    presenter.pressed(F::Calculate, messenger);
    if (refused(messenger, err)) return 1;
    printLine(out, "density", presenter.result()->density);
    printLine(out, "viscosity", presenter.result()->viscosity);
    return 0;
}

int propsEstimate(const Arguments& args, const PropsContext& context, std::ostream& out, std::ostream& err) {
    constexpr std::string_view usage = "props estimate NAME P T (P in bar abs., T in °C)";
    if (args.size() != 3) return unusable(err, "three arguments are needed", usage);
    if (!numbers(args, 1, err, usage)) return 2;
    media::EstimationPresenter presenter(context.texts, context.texts.edition());
    if (unreadable(presenter.load(context.files), err)) return 2;
    presenter.show(plainOutput());
    if (!presenter.select(args[0])) return unknownName(err, args[0], "substances");
    using F = media::EstimationField;
    presenter.form().choice(static_cast<int>(F::PressureUnit)).selectLabel("bar");
    presenter.form().choice(static_cast<int>(F::TemperatureUnit)).selectLabel("°C");
    presenter.form().setText(static_cast<int>(F::Pressure), args[1]);
    presenter.form().setText(static_cast<int>(F::Temperature), args[2]);
    model::RecordingMessenger messenger;
    presenter.pressed(F::Calculate, messenger);
    if (refused(messenger, err)) return 1;
    const media::SubstanceEstimate& estimate = *presenter.result();
    const media::EstimatedProperties& p = estimate.properties;
    out << "state: "
        << (p.supercritical                            ? "supercritical"
            : p.phase == media::EstimatedPhase::Liquid ? "liquid"
                                                       : "gaseous")
        << '\n';
    printLine(out, "boiling_point", estimate.boilingPoint);
    printLine(out, "density", p.density);
    printLine(out, "viscosity", p.viscosity);
    out << "viscosity_estimated: " << (p.viscosityApproximate ? "yes" : "no") << '\n';
    return 0;
}

std::optional<int> propsListMediaDialogs(const std::string& kind, const PropsContext& context,
                                         std::ostream& out, std::ostream& err) {
    const auto print = [&](const model::UnitBox& list) {
        for (const std::string& item : list.items()) out << item << '\n';
        return 0;
    };
    if (kind == "brines") {
        media::BrinePresenter presenter(context.texts);
        presenter.show(plainOutput());
        return print(presenter.form().choice(static_cast<int>(media::BrineField::List)));
    }
    if (kind == "oils") {
        media::OilPresenter presenter(context.texts);
        if (unreadable(presenter.load(context.files), err)) return 2;
        return print(presenter.form().choice(static_cast<int>(media::OilField::List)));
    }
    if (kind == "solutions") {
        media::SolutionPresenter presenter(context.texts);
        if (unreadable(presenter.load(context.files), err)) return 2;
        return print(presenter.form().choice(static_cast<int>(media::SolutionField::List)));
    }
    if (kind == "substances") {
        media::EstimationPresenter presenter(context.texts, context.texts.edition());
        if (unreadable(presenter.load(context.files), err)) return 2;
        return print(presenter.form().choice(static_cast<int>(media::EstimationField::List)));
    }
    return std::nullopt;
}

}  // namespace velmora::cli
