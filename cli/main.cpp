// velmora-cli: the batch tool; drives the same models as the desktop program, without a window.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "lang/edition.h"
#include "persist/data_command.h"
#include "persist/data_file_error.h"
#include "persist/text_catalogue_loader.h"
#include "calc_command.h"
#include "curve_command.h"
#include "pipes_command.h"
#include "props_commands.h"
#include "props_database_commands.h"
#include "props_dialog_commands.h"
#include "tool_commands.h"

namespace {

using namespace velmora;

constexpr const char* usage =
    "usage: velmora-cli calc PIPELINE.json [--edition=D|E|F|H] [--project=OUT.vla]\n"
    "       velmora-cli show PROJECT.vla [--edition=D|E|F|H]\n"
    "       velmora-cli curve PIPELINE.json --from=A --to=B [--unit=U] [--points=N] [--pump=FILE]\n"
    "                         [--svg=OUT] [--png=OUT] [--pdf=OUT]   (velmora-cli curve --help)\n"
    "       velmora-cli props water P T | saturation --temperature=T|--pressure=P | air P T\n"
    "                         | humid-air P T RH | saturated-air TK   (bar abs., °C, %, K)\n"
    "                         | brine N C T | oil NAME T | solution NAME W T | estimate NAME P T\n"
    "                         | liquid NAME T | gas NAME P T | vapour-pressure NAME T\n"
    "                         | list brines|oils|solutions|substances|liquids|gases|vapour-pressure\n"
    "       velmora-cli tool NAME KEY=TEXT... [--units=metric|US] [--decimals=N]   (tool --help lists them)\n"
    "       velmora-cli pipes list | pipes show STANDARD   (pipe dimension tables)\n"
    "       velmora-cli data encipher|decipher --key=data|property FILE\n"
    "       velmora-cli data plain FILE [--output=OUT]\n";

using PropsCommand = int (*)(const cli::Arguments&, std::ostream&, std::ostream&);

struct NamedProps {
    const char* name;
    PropsCommand run;
};

constexpr NamedProps propsCommands[] = {
    {"water", cli::propsWater},       {"saturation", cli::propsSaturation},
    {"air", cli::propsAir},           {"humid-air", cli::propsHumidAir},
    {"saturated-air", cli::propsSaturatedAir},
};

// The props commands of dialogs that read the data folder and show catalogue messages.
using DialogPropsCommand = int (*)(const cli::Arguments&, const cli::PropsContext&, std::ostream&, std::ostream&);

struct NamedDialogProps {
    const char* name;
    DialogPropsCommand run;
};

constexpr NamedDialogProps dialogPropsCommands[] = {
    {"brine", cli::propsBrine},
    {"oil", cli::propsOil},
    {"solution", cli::propsSolution},
    {"estimate", cli::propsEstimate},
    {"liquid", cli::propsLiquid},
    {"gas", cli::propsGas},
    {"vapour-pressure", cli::propsVapourPressure},
};

int runProps(const std::vector<std::string>& args, const cli::PropsContext& context) {
    if (!args.empty()) {
        const cli::Arguments rest(args.begin() + 1, args.end());
        for (const NamedProps& command : propsCommands)
            if (args[0] == command.name) return command.run(rest, std::cout, std::cerr);
        for (const NamedDialogProps& command : dialogPropsCommands)
            if (args[0] == command.name) return command.run(rest, context, std::cout, std::cerr);
        if (args[0] == "list" && rest.size() == 1)
            if (auto status = cli::propsListMediaDialogs(rest[0], context, std::cout, std::cerr)) return *status;
        if (args[0] == "list" && rest.size() == 1)
            if (auto status = cli::propsListDatabases(rest[0], context, std::cout, std::cerr)) return *status;
    }
    std::cerr << "error: props needs one of water, saturation, air, humid-air, saturated-air, brine, oil, solution, "
                 "estimate, liquid, gas, vapour-pressure, list\n"
              << usage;
    return 2;
}

// The words of a command without the options that belong to the program as a whole.
std::vector<std::string> withoutProgramOptions(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    for (const std::string& arg : args)
        if (arg.rfind("--edition=", 0) != 0) words.push_back(arg);
    return words;
}

std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

// The edition of this run: --edition=X, else VELMORA_EDITION, else English.
lang::Edition chooseEdition(const std::vector<std::string>& args) {
    std::string option;
    for (const std::string& arg : args)
        if (arg.rfind("--edition=", 0) == 0) option = arg.substr(10);
    const char* environment = std::getenv("VELMORA_EDITION");
    return lang::Edition::choose(option, environment ? environment : "", "");
}

// The text catalogue, or the start-up failure on standard error.
std::optional<lang::TextCatalogue> loadTexts(const char* argv0, lang::Edition edition) {
    try {
        const persist::DataFileSet files(persist::DataFileSet::locate(programFolder(argv0)));
        return persist::loadTextCatalogue(files, edition);
    } catch (const persist::DataFileError& e) {
        std::cerr << persist::startupFailureMessage << '\n' << "(" << e.what() << ")\n";
        return std::nullopt;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << usage;
        return 2;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "data") return persist::runDataCommand(rest, std::cout, std::cerr);

    const auto texts = loadTexts(argv[0], chooseEdition(rest));
    if (!texts) return 2;
    if (args[0] == "props")
        return runProps(withoutProgramOptions(rest),
                        {*texts, persist::DataFileSet(persist::DataFileSet::locate(programFolder(argv[0])))});
    if (args[0] == "calc") return cli::runCalc(withoutProgramOptions(rest), *texts, std::cout, std::cerr);
    if (args[0] == "show") return cli::runShow(withoutProgramOptions(rest), *texts, std::cout, std::cerr);
    if (args[0] == "pipes")
        return cli::runPipes(withoutProgramOptions(rest), *texts,
                             persist::DataFileSet(persist::DataFileSet::locate(programFolder(argv[0]))), std::cout,
                             std::cerr);
    if (args[0] == "tool") return cli::runTool(withoutProgramOptions(rest), *texts, std::cout, std::cerr);
    if (args[0] == "curve")
        return cli::runCurve(withoutProgramOptions(rest), *texts, programFolder(argv[0]), std::cout, std::cerr);
    std::cerr << "error: unknown command '" << args[0] << "'\n" << usage;
    return 2;
}
