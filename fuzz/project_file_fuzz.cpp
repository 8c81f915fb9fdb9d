// The project file (*.vla) in every format and edition: the first byte names the edition, the
// rest is the file. A file that reads must be written again and read back to the same columns, as
// the desktop's open and save do; nothing may crash, hang or run out of memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz_support.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/results_table.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const lang::TextCatalogue& edition = fuzz::texts(fuzz::languageOf(data[0]));
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const workflow::ProjectReadResult read = workflow::readProjectFile(bytes, edition);
    fuzz::require(read.valid || read.content.columns.empty(), "an invalid file leaves no columns");
    if (!read.valid) return 0;

    // Shown in the table, as the open does; the total is written from the cells.
    workflow::ResultsTable table(edition);
    workflow::applyProject(read.content, table);
    fuzz::require(!table.totalText().empty(), "the total is written");

    // Saved and opened again: the file holds every character of what it held (it came from a
    // file), and the columns come back as they were saved.
    const auto saved = workflow::encodeProjectFile(read.content, edition);
    if (const auto* refused = std::get_if<workflow::UnstorableText>(&saved)) {
        // A carriage return alone inside a line is read as part of its cell; the save names it
        // and asks for it to be replaced, since it would break the lines of the file.
        fuzz::require(refused->character == "\r", "what was read can be written, but for a carriage return");
        return 0;
    }
    const workflow::ProjectReadResult again = workflow::readProjectFile(std::get<std::string>(saved), edition);
    fuzz::require(again.valid, "a saved project reads");
    fuzz::require(again.content.columns.size() == read.content.columns.size(), "as many columns come back");
    if (fuzz::languageOf(data[0]) == lang::Edition::Language::German)
        fuzz::require(again.content.columns == read.content.columns, "the German edition saves the cells as read");
    return 0;
}
