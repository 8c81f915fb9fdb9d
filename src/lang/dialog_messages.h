#pragma once

#include <string>
#include <string_view>

#include "lang/text_catalogue.h"
#include "model/user_message.h"

// The messages every property, data and tool dialog shares, and its access to the caption file.
namespace velmora::lang {

// An entry of a dialog that does not convert to a number: error icon, the program title as
// caption, the catalogue text for an invalid number, a line break, the label's caption in double
// quotes and "!". The focus returns to the dialog field `entry`.
model::UserMessage numberEntryError(const TextCatalogue& texts, std::string_view labelCaption, int entry);

// How the file name follows the catalogue text in the data-file message.
enum class FileNameBreak { Blank, Line };

// A data file that cannot be read: warning icon, the error caption, the catalogue text for a file
// that cannot be opened, then the file's name after a blank or on a line of its own.
model::UserMessage dataFileError(const TextCatalogue& texts, std::string_view fileName, FileNameBreak separator);

// A plain box of one catalogue text (the dialog refusals that carry no icon of their own), with the
// program title as caption and the focus on `entry` (-1: none).
model::UserMessage plainMessage(const TextCatalogue& texts, std::string text, int entry = -1);

// A text of a window's block in the caption file by its position; empty when the block is short
// or missing.
const std::string& blockText(const TextCatalogue& texts, std::string_view window, int position);

// The block texts of a window by an enum of positions.
template <class Enum>
const std::string& blockText(const TextCatalogue& texts, std::string_view window, Enum position) {
    return blockText(texts, window, static_cast<int>(position));
}

}  // namespace velmora::lang
