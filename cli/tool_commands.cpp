#include "tool_commands.h"

#include <functional>
#include <iostream>
#include <map>
#include <memory>

#include "model/messenger.h"
#include "stream_messenger.h"
#include "tools/channel_presenters.h"
#include "tools/converter_presenters.h"
#include "tools/nominal_diameter_presenter.h"
#include "tools/orifice_presenter.h"
#include "tools/outflow_presenters.h"

namespace velmora::cli {

namespace {

using tools::ToolPresenter;

// A tool as the command line drives it: its presenter opened with empty entries, its reaction to
// a choice and its calculation.
struct ToolRun {
    std::unique_ptr<ToolPresenter> presenter;
    std::function<void(int field)> chosen;
    std::function<void(model::Messenger&)> calculate;
};

struct Key {
    const char* name;
    int field;
    bool choice;  // a unit box or radio group (by label or position), else an entry text
};

struct Output {
    const char* name;
    int field;
};

struct ToolCommand {
    const char* name;
    std::function<ToolRun(const lang::TextCatalogue&, const tools::ToolSettings&)> open;
    std::vector<Key> keys;  // in the order they are applied
    std::vector<Output> outputs;
};

template <class P, class... Args>
ToolRun make(const tools::ToolSettings& settings, std::function<void(P&)> shown,
             std::function<void(P&, int)> chosen, std::function<void(P&, model::Messenger&)> calculate, Args&&... args) {
    auto presenter = std::make_unique<P>(std::forward<Args>(args)...);
    presenter->setSettings(settings);
    shown(*presenter);
    P* p = presenter.get();
    return {std::move(presenter), [p, chosen](int field) { chosen(*p, field); },
            [p, calculate](model::Messenger& m) { calculate(*p, m); }};
}

model::RecordingMessenger quiet;  // what opening shows is not the user's concern here

ToolRun nominal(const lang::TextCatalogue& texts, const tools::ToolSettings& s, tools::EconomicMedium medium) {
    using P = tools::NominalDiameterPresenter;
    return make<P>(
        s, [](P& p) { p.shown({}, quiet); }, [](P& p, int f) { p.chosen(f, quiet); },
        [](P& p, model::Messenger& m) { p.calculate(m); }, texts, medium);
}

template <class P>
ToolRun simple(const lang::TextCatalogue& texts, const tools::ToolSettings& s, std::function<void(P&)> shown) {
    return make<P>(
        s, shown, [](P& p, int f) { p.chosen(f); }, [](P& p, model::Messenger& m) { p.calculate(m); }, texts);
}

using Calc = tools::ChannelCalcPresenter;
using Design = tools::ChannelDesignPresenter;
using Konst = tools::OutflowConstantPresenter;
using Falling = tools::OutflowFallingPresenter;
using Orifice = tools::OrificePresenter;
namespace cf = tools;  // the converters' shared fields

const std::vector<ToolCommand>& commands() {
    static const std::vector<ToolCommand> table = {
        {"nominal-liquid",
         [](const auto& t, const auto& s) { return nominal(t, s, tools::EconomicMedium::Liquid); },
         {{"unit", tools::NominalDiameterPresenter::FlowUnit, true},
          {"listing", tools::NominalDiameterPresenter::Metric, true},
          {"flow", tools::NominalDiameterPresenter::Flow, false}},
         {{"listing", tools::NominalDiameterPresenter::Listing}}},
        {"nominal-gas", [](const auto& t, const auto& s) { return nominal(t, s, tools::EconomicMedium::Gas); },
         {{"unit", tools::NominalDiameterPresenter::FlowUnit, true},
          {"listing", tools::NominalDiameterPresenter::Metric, true},
          {"flow", tools::NominalDiameterPresenter::Flow, false}},
         {{"listing", tools::NominalDiameterPresenter::Listing}}},
        {"channel", [](const auto& t, const auto& s) { return simple<Calc>(t, s, [](Calc& p) { p.shown(); }); },
         {{"shape", Calc::Shape, true},
          {"unit", Calc::LengthUnit, true},
          {"slope", Calc::SlopeChoice, true},
          {"z1", Calc::Z1, false},
          {"z2", Calc::Z2, false},
          {"length", Calc::SlopeLength, false},
          {"dim1", Calc::Dim1, false},
          {"dim2", Calc::Dim2, false},
          {"dim3", Calc::Dim3, false},
          {"strickler", Calc::Strickler, false}},
         {{"velocity", Calc::Velocity}, {"flow", Calc::Flow}}},
        {"channel-design",
         [](const auto& t, const auto& s) { return simple<Design>(t, s, [](Design& p) { p.shown(); }); },
         {{"shape", Design::Shape, true},
          {"flow-unit", Design::FlowUnit, true},
          {"slope", Design::SlopeChoice, true},
          {"slope-unit", Design::SlopeUnit, true},
          {"flow", Design::Flow, false},
          {"z1", Design::Z1, false},
          {"z2", Design::Z2, false},
          {"length", Design::SlopeLength, false},
          {"strickler", Design::Strickler, false},
          {"angle", Design::Angle, false}},
         {{"first", Design::Result1}, {"second", Design::Result2}, {"velocity", Design::Velocity}}},
        {"outflow", [](const auto& t, const auto& s) { return simple<Konst>(t, s, [](Konst& p) { p.shown(); }); },
         {{"size", Konst::Size, true},
          {"kind", Konst::Kind, true},
          {"pressure", Konst::Pressure, true},
          {"unit1", Konst::Entry1Unit, true},
          {"unit2", Konst::Entry2Unit, true},
          {"unit3", Konst::Entry3Unit, true},
          {"density-unit", Konst::DensityUnit, true},
          {"entry1", Konst::Entry1, false},
          {"entry2", Konst::Entry2, false},
          {"entry3", Konst::Entry3, false},
          {"density", Konst::Density, false},
          {"mu", Konst::Mu, false}},
         {{"flow", Konst::Flow}, {"velocity", Konst::Velocity}}},
        {"emptying",
         [](const auto& t, const auto& s) { return simple<Falling>(t, s, [](Falling& p) { p.shown(); }); },
         {{"shape", Falling::Shape, true},
          {"vessel-unit", Falling::VesselDiameterUnit, true},
          {"opening-unit", Falling::OpeningDiameterUnit, true},
          {"height-unit", Falling::HeightUnit, true},
          {"vessel", Falling::VesselDiameter, false},
          {"opening", Falling::OpeningDiameter, false},
          {"height", Falling::Height, false},
          {"mu", Falling::Mu, false}},
         {{"time", Falling::Time}}},
        {"orifice",
         [](const auto& t, const auto& s) {
             return simple<Orifice>(t, s, [](Orifice& p) {
                 p.shown({.name = "", .flow = "", .flowUnit = "m³/h", .density = "", .viscosity = ""});
             });
         },
         {{"kind", Orifice::Kind, true},
          {"flow-quantity", Orifice::FlowQuantity, true},
          {"viscosity-quantity", Orifice::ViscosityQuantity, true},
          {"flow-unit", Orifice::FlowUnit, true},
          {"density-unit", Orifice::DensityUnit, true},
          {"viscosity-unit", Orifice::ViscosityUnit, true},
          {"pipe-unit", Orifice::PipeDiameterUnit, true},
          {"second-unit", Orifice::SecondUnit, true},
          {"loss-unit", Orifice::PressureLossUnit, true},
          {"flow", Orifice::Flow, false},
          {"density", Orifice::Density, false},
          {"viscosity", Orifice::Viscosity, false},
          {"pipe", Orifice::PipeDiameter, false},
          {"second", Orifice::Second, false},
          {"loss", Orifice::PressureLoss, false}},
         {{"bore", Orifice::Result}}},
        {"kv",
         [](const auto& t, const auto& s) {
             return make<tools::KvZetaPresenter>(
                 s, [](auto& p) { p.shown({}); }, [](auto& p, int f) { p.chosen(f); },
                 [](auto& p, model::Messenger& m) { p.calculate(m); }, t, tools::KvZetaPresenter::Coefficient::Kv);
         },
         {{"diameter-unit", cf::SecondUnit, true}, {"kv", cf::First, false}, {"diameter", cf::Second, false}},
         {{"zeta", cf::Result}}},
        {"cv",
         [](const auto& t, const auto& s) {
             return make<tools::KvZetaPresenter>(
                 s, [](auto& p) { p.shown({}); }, [](auto& p, int f) { p.chosen(f); },
                 [](auto& p, model::Messenger& m) { p.calculate(m); }, t, tools::KvZetaPresenter::Coefficient::Cv);
         },
         {{"diameter-unit", cf::SecondUnit, true}, {"cv", cf::First, false}, {"diameter", cf::Second, false}},
         {{"zeta", cf::Result}}},
        {"head",
         [](const auto& t, const auto& s) {
             return simple<tools::HeadPresenter>(t, s, [](auto& p) { p.shown(0, "", 0, quiet); });
         },
         {{"loss-unit", cf::FirstUnit, true},
          {"density-unit", cf::SecondUnit, true},
          {"loss", cf::First, false},
          {"density", cf::Second, false}},
         {{"head", cf::Result}, {"head-ft", cf::Result2}}},
        {"velocity-to-flow",
         [](const auto& t, const auto& s) {
             return simple<tools::VelocityToFlowPresenter>(t, s, [](auto& p) { p.shown({}, std::nullopt, quiet); });
         },
         {{"velocity-unit", cf::FirstUnit, true},
          {"diameter-unit", cf::SecondUnit, true},
          {"velocity", cf::First, false},
          {"diameter", cf::Second, false}},
         {{"flow", cf::Result}, {"flow-gpm", cf::Result2}}},
        {"flow-to-velocity",
         [](const auto& t, const auto& s) {
             return simple<tools::FlowToVelocityPresenter>(t, s,
                                                           [](auto& p) { p.shown(false, {}, {}, quiet); });
         },
         {{"flow-unit", cf::FirstUnit, true},
          {"diameter-unit", cf::SecondUnit, true},
          {"flow", cf::First, false},
          {"diameter", cf::Second, false}},
         {{"velocity", cf::Result}, {"velocity-fts", cf::Result2}}},
    };
    return table;
}

constexpr const char* kUsage =
    "usage: velmora-cli tool NAME KEY=TEXT... [--units=metric|US] [--decimals=N] [--edition=D|E|F|H]\n"
    "  Choices (units, shapes, modes) take their label or their position from 0.\n";

void printHelp(std::ostream& out) {
    out << kUsage << "tools and their keys:\n";
    for (const ToolCommand& command : commands()) {
        out << "  " << command.name << ":";
        for (const Key& key : command.keys) out << ' ' << key.name;
        out << "  ->";
        for (const Output& output : command.outputs) out << ' ' << output.name;
        out << '\n';
    }
}

// Selects a choice by its label or its position; false when it is neither.
bool select(model::UnitBox& box, const std::string& text) {
    if (box.selectLabel(text)) return true;
    try {
        std::size_t used = 0;
        const int index = std::stoi(text, &used);
        return used == text.size() && box.select(index);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int runTool(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err) {
    if (args.empty() || args[0] == "--help") {
        printHelp(args.empty() ? err : out);
        return args.empty() ? 2 : 0;
    }
    const ToolCommand* command = nullptr;
    for (const ToolCommand& c : commands())
        if (args[0] == c.name) command = &c;
    if (!command) {
        err << "error: unknown tool '" << args[0] << "'\n";
        printHelp(err);
        return 2;
    }
    tools::ToolSettings settings;
    std::map<std::string, std::string> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--units=metric" || arg == "--units=US") {
            settings.units = arg == "--units=US" ? model::UnitSystem::Us : model::UnitSystem::Metric;
        } else if (arg.rfind("--decimals=", 0) == 0 && arg.size() == 12 && arg[11] >= '0' && arg[11] <= '6') {
            settings.decimals = arg[11] - '0';
        } else if (const auto equals = arg.find('='); equals != std::string::npos && arg[0] != '-') {
            given[arg.substr(0, equals)] = arg.substr(equals + 1);
        } else {
            err << "error: unusable argument '" << arg << "'\n" << kUsage;
            return 2;
        }
    }
    for (const auto& [name, value] : given) {
        bool known = false;
        for (const Key& key : command->keys) known = known || name == key.name;
        if (!known) {
            err << "error: tool " << command->name << " has no key '" << name << "'\n";
            return 2;
        }
    }
    ToolRun run = command->open(texts, settings);
    model::DialogForm& form = run.presenter->form();
    for (const Key& key : command->keys) {
        const auto it = given.find(key.name);
        if (it == given.end()) continue;
        if (!key.choice) {
            form.setText(key.field, it->second);
            continue;
        }
        if (!select(form.choice(key.field), it->second)) {
            err << "error: " << key.name << " has no item '" << it->second << "'\n";
            return 2;
        }
        run.chosen(key.field);
    }
    StreamMessenger messenger(err);
    run.calculate(messenger);
    if (form.output(command->outputs.front().field).empty()) return 1;
    for (const Output& output : command->outputs)
        if (form.visible(output.field)) out << output.name << ": " << form.output(output.field) << '\n';
    return 0;
}

}  // namespace velmora::cli
