// The pipeline description of velmora-cli calc: read and checked, calculated element by element
// into the table, written as a project and shown again as velmora-cli show does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz_support.h"
#include "pipeline_description.h"
#include "pipeline_run.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/results_table.h"

using namespace velmora;

namespace {

// Messages are counted, not shown; every question is answered with its default.
class QuietMessenger : public workflow::Messenger {
  public:
    model::MessageButton show(const model::UserMessage& message) override {
        return message.buttons == model::MessageButtons::Ok ? model::MessageButton::Ok : model::MessageButton::Yes;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const lang::TextCatalogue& texts = fuzz::texts(lang::Edition::Language::English);
    cli::PipelineDescription pipeline;
    try {
        pipeline = cli::readPipelineDescription(std::string_view(reinterpret_cast<const char*>(data), size), texts);
    } catch (const cli::PipelineError&) {
        return 0;
    }
    // A long list of elements is the same work again for each; a few show what the input can do.
    if (pipeline.elements.size() > 64) pipeline.elements.resize(64);

    workflow::MainForm form(texts);
    workflow::ResultsTable table(texts);
    QuietMessenger messenger;
    cli::calculatePipeline(pipeline, form, table, messenger);
    fuzz::require(!table.clipboardText().empty(), "the table is written");

    const workflow::ProjectContent content =
        workflow::captureProject(table, "", workflow::PageSettings{}, workflow::TableAppearance{});
    const auto saved = workflow::encodeProjectFile(content, texts);
    if (!std::holds_alternative<std::string>(saved)) return 0;  // a character the file cannot hold, reported
    const workflow::ProjectReadResult shown = workflow::readProjectFile(std::get<std::string>(saved), texts);
    fuzz::require(shown.valid, "a calculated table saves as a project that reads");
    fuzz::require(shown.content.columns.size() == content.columns.size(), "every column comes back");
    workflow::ResultsTable again(texts);
    again.setDecimals(table.decimals());
    workflow::applyProject(shown.content, again);
    fuzz::require(again.totalText() == table.totalText(), "the total comes back");
    return 0;
}
