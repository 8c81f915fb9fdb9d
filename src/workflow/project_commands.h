#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "workflow/app_settings.h"
#include "workflow/file_chooser.h"
#include "workflow/messenger.h"
#include "workflow/page_settings.h"
#include "workflow/project_session.h"
#include "workflow/recent_projects.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"
#include "workflow/table_appearance.h"

namespace velmora::workflow {

// What the File commands work on; all of it outlives the commands.
struct ProjectParts {
    ResultsTable& table;
    ShortDisplay& shortDisplay;
    PageSettings& page;
    TableAppearance& appearance;
    Options& options;  // the unit system follows a project read; the title form names the project
    RecentProjects& recent;
    ProjectSession& session;
    Messenger& messenger;
    FileChooser& chooser;
};

// The File menu of the main window: new, open, a recent entry or the command line, save, save as,
// and the question at closing. It keeps the project's name (its file, or none for an unnamed
// project), the modified mark and the project heading (the results window's "Project:" entry).
//
// Work is never given up unasked: a save that fails or whose dialog is cancelled stops the
// command that asked for it, and cancelling the save question leaves everything as it was.
class ProjectCommands {
  public:
    explicit ProjectCommands(const ProjectParts& parts);

    // ---- commands ------------------------------------------------------------------------------

    // New project. With element columns the save question comes first (save, discard, cancel;
    // save is the default): save saves and then clears, discard clears, cancel (also Escape or
    // closing the box) and a failed or cancelled save change nothing. With an empty table nothing is asked and the table is left as it is, but
    // the project becomes unnamed and its file is let go, so that a later save cannot overwrite
    // the file opened before. True when the new project was started.
    bool newProject();

    // Open project: the save question as for a new project, then the open dialog; the chosen file
    // is read. True when a project was read and applied.
    bool open();

    // A recent entry or the command line: the save question (asked only with element columns),
    // then the project at `path` is read. A file that cannot be opened changes nothing; an invalid
    // file starts a new project without asking. After a read, the options' unit system follows the
    // project and the table keeps its decimals. True when a project was read and applied.
    bool openPath(const std::filesystem::path& path);

    // Save. With no element column only the information message; an unnamed project goes to save
    // as; otherwise the project is written to its file. True when it was written.
    bool save();

    // Save as: the save dialog. Cancelled, or the write failed: nothing changes (the name stays,
    // the project stays modified). Written: the file becomes the project's name and the first
    // recent entry, and the project is marked saved. True when it was written.
    bool saveAs();

    // The question before the main window closes: asked when the project is modified and the
    // table has element columns, the same save / discard / cancel question as for a new project.
    // Save saves; true when the window may close. Cancel, Escape, and a save that fails or whose
    // dialog is cancelled keep the window open with everything as it was (false).
    bool confirmClose();

    // ---- state ---------------------------------------------------------------------------------

    // The results window's title: the project's full path or its file name (Options::titleForm),
    // the catalogue's default name for an unnamed project.
    std::string windowTitle() const;
    // The path of the project's file, or the default name of an unnamed project.
    std::string projectName() const;
    const std::optional<std::filesystem::path>& projectPath() const { return path_; }

    bool modified() const { return modified_; }
    // After a calculation, when the page setup was opened, after any change of the table's columns.
    void markModified() { modified_ = true; }
    // For the calculation driver's context, which sets the mark itself.
    bool& modifiedMark() { return modified_; }

    const std::string& heading() const { return heading_; }
    // The user typed into the heading entry: a different text marks the project modified, so that
    // closing asks before the heading is lost.
    void setHeading(std::string heading);

    // The command line's words after the program name: those not starting with "--" (the options)
    // joined with single blanks, so that a path with blanks given as several words is one path.
    // Nothing when no word is left.
    static std::optional<std::filesystem::path> projectPathFromArguments(
        const std::vector<std::string>& words);

  private:
    enum class Question { Proceed, Stop };
    // The save / discard / cancel question before the table is given up; save saves first.
    Question askBeforeLeaving();
    bool read(const std::filesystem::path& path);
    bool writeTo(const std::filesystem::path& path);
    void clearProject();
    void show(const std::vector<UserMessage>& messages);
    UserMessage saveQuestion() const;
    const std::string& text(model::GlobalText role) const;

    ProjectParts parts_;
    std::optional<std::filesystem::path> path_;  // none: the project is unnamed
    bool modified_ = false;
    std::string heading_;
};

}  // namespace velmora::workflow
