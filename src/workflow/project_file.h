#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "lang/text_catalogue.h"
#include "workflow/project_content.h"
#include "workflow/user_message.h"

// The project file (*.vla): Windows-1252 text with CR LF line ends. The current format "6.0" has
// 26 header lines (version, heading, unit system, column count, page setup, table appearance)
// and then 26 lines per element column, row 0 first. The row-1 line of a gas column carries the
// column's gas entries as seven tab-separated fields. The formats "1", "4.0" and "5.0F" are read
// and brought into the current form.
namespace velmora::workflow {

inline constexpr std::string_view kProjectVersion = "6.0";
inline constexpr std::size_t kProjectHeaderLines = 26;
// No project comes near this size (a column takes well under a kilobyte); a larger file is
// refused before it is read, so that opening it cannot take the machine's memory.
inline constexpr std::size_t kMaxProjectFileBytes = std::size_t{64} << 20;

// The German notice shown once when a format-1 file holds branch elements, whose calculation
// has changed since.
inline constexpr std::string_view kOldBranchMessage =
    "Ihre Projekt-Datei enthält ein oder mehrere Elemente des Typs \"Abzweigstücke\". In der neuen "
    "Programmversion wird die Berechnung dieser Teile in anderer Form durchgeführt. Bitte berechnen "
    "Sie diese Teile neu!";

// ---- writing ------------------------------------------------------------------------------------

// Where a text of the project stands, to name it when it cannot be stored.
struct TextPlace {
    enum class Kind { Heading, PrintFont, Margins, Footer, TableFont, Cell };
    Kind kind = Kind::Heading;
    int column = 0;  // Cell: element column 1 … N
    int row = 0;     // Cell: 0 … 25

    friend bool operator==(const TextPlace&, const TextPlace&) = default;
};

// A character the file cannot hold: one that Windows-1252 lacks, or a tab or line break, which
// would break the line structure.
struct UnstorableText {
    std::string character;  // UTF-8
    TextPlace place;

    friend bool operator==(const UnstorableText&, const UnstorableText&) = default;
};

// The lines of the current format in UTF-8, cells in the stored (language-neutral) form.
std::vector<std::string> projectFileLines(const ProjectContent& content, const lang::TextCatalogue& texts);

// The file's bytes, or the first text that cannot be stored; nothing is replaced silently.
std::variant<std::string, UnstorableText> encodeProjectFile(const ProjectContent& content,
                                                            const lang::TextCatalogue& texts);

// ---- reading ------------------------------------------------------------------------------------

struct ProjectReadResult {
    ProjectFormat format = ProjectFormat::Unknown;
    // False for a file that cannot be read as a project: the caller starts a new project and
    // applies nothing. The content is then empty.
    bool valid = false;
    ProjectContent content;              // cells in the edition's form
    std::vector<UserMessage> messages;   // to show, in order
};

// Reads the file's bytes (Windows-1252). A file larger than kMaxProjectFileBytes, or one whose
// reading runs out of memory, is invalid.
ProjectReadResult readProjectFile(std::string_view bytes, const lang::TextCatalogue& texts);
// Reads its lines (UTF-8, without line ends); one empty last line is ignored.
ProjectReadResult readProjectLines(std::vector<std::string> lines, const lang::TextCatalogue& texts);

// The project messages (exclamation icon, notice caption): ProjectOpenFailed, ProjectFileInvalid,
// ProjectConverted.
UserMessage projectNotice(const lang::TextCatalogue& texts, model::GlobalText text);

}  // namespace velmora::workflow
