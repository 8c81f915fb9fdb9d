#pragma once

namespace velmora::model {

// Block "THilfe": the window that shows the user guide.
enum class HelpWindowText : int {
    Title,
    Contents,       // heading of the table of contents
    FindLabel,      // before the search entry
    FindNext,
    FindPrevious,
    NotFound,       // shown beside the entry when the text is not in the guide
    OpenInBrowser,  // the same page in the desktop's web browser
    Close,
    GuideMissing,   // the guide's file is not installed, followed by its path
    NoBrowser,      // no web browser could be started
};

}  // namespace velmora::model
