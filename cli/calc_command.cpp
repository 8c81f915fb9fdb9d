#include "calc_command.h"

#include <optional>
#include <ostream>

#include "input_file.h"
#include "pipeline_description.h"
#include "pipeline_run.h"
#include "stream_messenger.h"
#include "workflow/main_form.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/project_session.h"
#include "workflow/results_table.h"

namespace velmora::cli {

namespace {

using workflow::MainForm;

struct CalcArguments {
    std::string pipeline;
    std::optional<std::string> project;
};

std::optional<CalcArguments> calcArguments(const std::vector<std::string>& args, std::ostream& err) {
    CalcArguments parsed;
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg.rfind("--project=", 0) == 0) {
            parsed.project = arg.substr(10);
            if (parsed.project->empty()) {
                err << "error: --project= needs a file name\n";
                return std::nullopt;
            }
        } else if (arg.rfind("--", 0) == 0) {
            err << "error: calc does not know the option " << arg << "\n";
            return std::nullopt;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 1) {
        err << "error: calc needs exactly one PIPELINE.json\n";
        return std::nullopt;
    }
    parsed.pipeline = paths[0];
    return parsed;
}

// The decimals a table was written with, read from its pressure losses in the small unit: the
// digits after the separator of the first one in fixed-point form; 3 when none shows it.
int decimalsShown(const std::vector<workflow::ResultColumn>& columns) {
    for (const workflow::ResultColumn& column : columns) {
        const std::string& loss = column.cells[workflow::row::lossSmall];
        if (loss.empty() || loss.find_first_of("Ee") != std::string::npos) continue;
        const auto separator = loss.find_first_of(".,");
        return separator == std::string::npos ? 0 : static_cast<int>(loss.size() - separator - 1);
    }
    return 3;
}

}  // namespace

int runCalc(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err) {
    const auto arguments = calcArguments(args, err);
    if (!arguments) return 2;
    const auto pipeline = loadPipeline(arguments->pipeline, texts, err);
    if (!pipeline) return 2;

    MainForm form(texts);
    workflow::ResultsTable table(texts);
    StreamMessenger messenger(err);
    const int refused = calculatePipeline(*pipeline, form, table, messenger);
    out << table.clipboardText();
    out.flush();

    if (arguments->project) {
        // Written as the File menu's save would write it: a fresh page setup and table look, no
        // heading. A project that cannot be written is reported, never passed over.
        workflow::ProjectSession session(texts);
        const auto saved = session.write(
            *arguments->project,
            workflow::captureProject(table, "", workflow::PageSettings{}, workflow::TableAppearance{}));
        if (!saved.saved) {
            if (saved.message) messenger.show(*saved.message);
            err << "error: the project " << *arguments->project << " was not written\n";
            return 2;
        }
    }
    return refused > 0 ? 1 : 0;
}

int runShow(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err) {
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            err << "error: show does not know the option " << arg << "\n";
            return 2;
        }
        paths.push_back(arg);
    }
    if (paths.size() != 1) {
        err << "error: show needs exactly one PROJECT.vla\n";
        return 2;
    }
    // Only read: the file is neither locked nor changed, so a write-protected project shows too.
    auto bytes = readInputFile(paths[0], err);
    if (!bytes) return 2;
    workflow::ProjectReadResult read = workflow::readProjectFile(*bytes, texts);
    bytes.reset();  // a large project is held once, as its columns
    StreamMessenger messenger(err);
    for (const workflow::UserMessage& message : read.messages) messenger.show(message);
    if (!read.valid) return 2;

    // The total is written with the decimals of the cells, as the program that wrote them did.
    workflow::ResultsTable table(texts);
    table.setDecimals(decimalsShown(read.content.columns));
    workflow::applyProject(std::move(read.content), table);
    out << table.clipboardText();
    out.flush();
    return 0;
}

}  // namespace velmora::cli
