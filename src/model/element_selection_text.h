#pragma once

#include <string_view>

// The texts of the block "TElementauswahl" in the caption file "varsonst.gru": the captions of the
// element selection dialog. The value of a text is its line offset in the block.
namespace velmora::model {

inline constexpr std::string_view kElementSelectionBlock = "TElementauswahl";

enum class ElementSelectionText : int {
    Title,        // window title
    PageLosses,   // page of groups 1 … 12: irreversible pressure losses
    PageChanges,  // page of group 13: reversible pressure changes
    Hint,         // the line above the pages: how to choose
    Ok,
    Cancel,
    Count
};

}  // namespace velmora::model
