#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "pipeline_description.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"
#include "workflow/results_table.h"

// A pipeline description run as a user would run it on the main form, shared by the commands
// that start from a PIPELINE.json.
namespace velmora::cli {

// The description of a file, or nothing after the message on `err` (unreadable file, bad JSON,
// unknown key or unit label).
std::optional<PipelineDescription> loadPipeline(const std::string& path, const lang::TextCatalogue& texts,
                                                std::ostream& err);

// For each element in order: the entries typed into `form`, then Calculate. The table takes the
// description's units and decimals; every message goes to `messenger`. Returns how many elements
// were refused (gave no column). The form keeps the last entries, as the main window would.
int calculatePipeline(const PipelineDescription& pipeline, workflow::MainForm& form,
                      workflow::ResultsTable& table, workflow::Messenger& messenger);

}  // namespace velmora::cli
