// `velmora-cli props gas | vapour-pressure | list gases|vapour-pressure`: the gas database and the
// vapour-pressure database without a window.
#include "props_database_commands.h"

#include <ostream>
#include <string_view>

#include "lang/dialog_messages.h"
#include "media/gas_presenter.h"
#include "media/liquid_presenter.h"
#include "media/vapour_pressure_presenter.h"
#include "model/gas_window_text.h"
#include "model/messenger.h"
#include "props_output.h"

namespace velmora::cli {

namespace {

using model::Real;

media::MediumOutput plainOutput() {
    return {model::UnitSystem::Metric, false};
}

int unusable(std::ostream& err, std::string_view problem, std::string_view usage) {
    err << "error: " << problem << "; expected " << usage << '\n';
    return 2;
}

bool refused(const model::RecordingMessenger& messenger, std::ostream& err) {
    for (const model::UserMessage& message : messenger.messages()) err << model::logLine(message) << '\n';
    return !messenger.messages().empty();
}

int unknownName(std::ostream& err, const std::string& name, std::string_view kind) {
    err << "error: '" << name << "' is not in the list of " << kind << " (see props list " << kind << ")\n";
    return 2;
}

}  // namespace

int propsLiquid(const Arguments& args, const PropsContext& context, std::ostream& out, std::ostream& err) {
    constexpr std::string_view usage = "props liquid NAME T (T in °C)";
    if (args.size() != 2) return unusable(err, "two arguments are needed", usage);
    if (!readArgument(args[1]))
        return unusable(err, "'" + args[1] + "' is not a number (use a point as decimal separator)", usage);
    using F = media::LiquidField;
    media::LiquidPresenter presenter(context.texts);
    if (const auto message = presenter.load(context.files)) {
        err << model::logLine(*message) << '\n';
        return 2;
    }
    presenter.show(plainOutput());
    if (!presenter.form().choice(static_cast<int>(F::List)).selectLabel(args[0]))
        return unknownName(err, args[0], "liquids");
    presenter.chosen(F::List);
    // A tabulated temperature takes the measured values, any other the interpolation.
    if (presenter.form().choice(static_cast<int>(F::Temperatures)).selectLabel(args[1])) {
        presenter.chosen(F::Temperatures);
        const media::LiquidPoint& point = *presenter.selectedPoint();
        out << "temperature_source: measured\n";
        printLine(out, "density", point.densityValue);
        printLine(out, "viscosity", point.viscosityValue);
        return 0;
    }
    presenter.form().setText(static_cast<int>(F::InterpolationTemperature), args[1]);
    presenter.edited(F::InterpolationTemperature);
    model::RecordingMessenger messenger;
    presenter.interpolate(messenger);
    if (refused(messenger, err)) return 1;
    out << "temperature_source: interpolated\n";
    printLine(out, "density", presenter.interpolated()->density);
    printLine(out, "viscosity", presenter.interpolated()->viscosity);
    return 0;
}

int propsGas(const Arguments& args, const PropsContext& context, std::ostream& out, std::ostream& err) {
    constexpr std::string_view usage = "props gas NAME P T (P in bar abs., T in °C)";
    if (args.size() != 3) return unusable(err, "three arguments are needed", usage);
    for (std::size_t i = 1; i < 3; ++i)
        if (!readArgument(args[i]))
            return unusable(err, "'" + args[i] + "' is not a number (use a point as decimal separator)",
                            usage);
    using F = media::GasField;
    media::GasPresenter presenter(context.texts);
    if (const auto message = presenter.load(context.files)) {
        err << model::logLine(*message) << '\n';
        return 2;
    }
    model::RecordingMessenger messenger;
    presenter.show(plainOutput(), messenger);
    if (!presenter.form().choice(static_cast<int>(F::List)).selectLabel(args[0]))
        return unknownName(err, args[0], "gases");
    presenter.chosen(F::List, messenger);
    messenger.clear();
    presenter.form().choice(static_cast<int>(F::PressureUnit)).selectLabel("bar");
    presenter.form().setText(static_cast<int>(F::Pressure), args[1]);
    presenter.edited(F::Pressure, messenger);
    // A tabulated temperature takes the measured point, any other the interpolation.
    const bool tabulated = presenter.form().choice(static_cast<int>(F::Temperatures)).selectLabel(args[2]);
    std::optional<media::GasValues> values;
    if (tabulated) {
        messenger.clear();
        presenter.chosen(F::Temperatures, messenger);
        if (refused(messenger, err)) return 1;
        if (presenter.liquid()) {
            err << "message: "
                << lang::blockText(context.texts, model::kGasDatabaseBlock,
                                   model::GasDatabaseText::LiquidWarning)
                << '\n';
            return 1;
        }
        values = presenter.measured();
    } else {
        if (refused(messenger, err)) return 1;
        presenter.form().setText(static_cast<int>(F::InterpolationTemperature), args[2]);
        presenter.edited(F::InterpolationTemperature, messenger);
        presenter.interpolate(messenger);
        if (refused(messenger, err)) return 1;
        values = presenter.interpolated();
    }
    if (!values) {
        err << "message: " << context.texts.text(model::GlobalText::ValueOutsideValidity) << '\n';
        return 1;
    }
    out << "temperature_source: " << (tabulated ? "measured" : "interpolated") << '\n';
    printLine(out, "boiling_point_at_pressure", presenter.boilingAtPressure());
    printLine(out, "density", values->density);
    printLine(out, "viscosity", values->viscosity);
    return 0;
}

int propsVapourPressure(const Arguments& args, const PropsContext& context, std::ostream& out,
                        std::ostream& err) {
    constexpr std::string_view usage = "props vapour-pressure NAME T (T in whole °C)";
    if (args.size() != 2) return unusable(err, "two arguments are needed", usage);
    const std::optional<Real> t = readArgument(args[1]);
    if (!t || *t != static_cast<Real>(static_cast<long long>(*t)))
        return unusable(err, "'" + args[1] + "' is not a whole number of degrees", usage);
    using F = media::VapourPressureField;
    media::VapourPressurePresenter presenter(context.texts);
    if (const auto message = presenter.show(plainOutput(), context.files)) {
        err << model::logLine(*message) << '\n';
        return 2;
    }
    if (!presenter.form().choice(static_cast<int>(F::List)).selectLabel(args[0]))
        return unknownName(err, args[0], "vapour-pressure");
    presenter.chosen(F::List);
    const std::string minimum = presenter.form().output(static_cast<int>(F::Minimum));
    const std::string maximum = presenter.form().output(static_cast<int>(F::Maximum));
    presenter.form().setText(static_cast<int>(F::Temperature), args[1]);
    presenter.edited(F::Temperature);
    if (!presenter.result()) {
        err << "message: " << context.texts.text(model::GlobalText::ValueOutsideValidity) << " (" << minimum
            << " … " << maximum << " °C)\n";
        return 1;
    }
    printLine(out, "vapour_pressure", presenter.result()->pressure);
    printLine(out, "density", presenter.result()->density);
    return 0;
}

std::optional<int> propsListDatabases(const std::string& kind, const PropsContext& context, std::ostream& out,
                                      std::ostream& err) {
    const auto print = [&](const model::UnitBox& list) {
        for (const std::string& item : list.items()) out << item << '\n';
        return 0;
    };
    if (kind == "liquids") {
        media::LiquidPresenter presenter(context.texts);
        if (const auto message = presenter.load(context.files)) {
            err << model::logLine(*message) << '\n';
            return 2;
        }
        return print(presenter.form().choice(static_cast<int>(media::LiquidField::List)));
    }
    if (kind == "gases") {
        media::GasPresenter presenter(context.texts);
        if (const auto message = presenter.load(context.files)) {
            err << model::logLine(*message) << '\n';
            return 2;
        }
        return print(presenter.form().choice(static_cast<int>(media::GasField::List)));
    }
    if (kind == "vapour-pressure") {
        media::VapourPressurePresenter presenter(context.texts);
        if (const auto message = presenter.show(plainOutput(), context.files)) {
            err << model::logLine(*message) << '\n';
            return 2;
        }
        return print(presenter.form().choice(static_cast<int>(media::VapourPressureField::List)));
    }
    return std::nullopt;
}

}  // namespace velmora::cli
