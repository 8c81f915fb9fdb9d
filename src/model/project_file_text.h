#pragma once

#include <string_view>

// The texts of the block "Projektdatei" in the caption file "varsonst.gru": messages of saving a
// project that the global texts do not carry. The value of a text is its line offset in the block.
namespace velmora::model {

inline constexpr std::string_view kProjectFileBlock = "Projektdatei";

enum class ProjectFileText : int {
    SaveFailed,            // the project could not be written; the previous file is unchanged
    CharacterNotStorable,  // lead text: a project file (Windows-1252) cannot hold the character that follows
    ReplaceCharacter,      // advice after the character and its place
    PlaceHeading,          // place of the character: the project heading
    PlaceFooter,           // place: the extra footer line of the page setup
    PlacePrintFont,        // place: the print font name
    PlaceTableFont,        // place: the table font name
    PlaceMargins,          // place: the four page margins
    Count
};

}  // namespace velmora::model
