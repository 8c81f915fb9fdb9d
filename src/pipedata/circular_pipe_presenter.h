#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "model/unit_system.h"
#include "model/user_message.h"
#include "pipedata/pipe_dialog_text.h"
#include "pipedata/pipe_tables.h"
#include "pipedata/take_over.h"

namespace velmora::pipedata {

// The fields of the circular pipe dialog.
enum class CircularPipeField {
    Page,  // choice: European, American, other standards (the dialog's tabs)
    MaterialLabel,
    Material,  // choice: steel, plastic, non-ferrous (European page)
    StandardLabel,
    Standard,  // choice: the standards of the page (and material)
    SizeLabel,
    Size,  // choice
    ClassLabel,
    Class,   // choice: pressure classes, SDR, thicknesses or schedules; hidden for one-wall layouts
    Series,  // output: "Reihe 1" for the EN 10220-like layouts
    OutsideLabel,
    Outside,  // output: Do as in the file
    WallLabel,
    Wall,  // output: s as in the file
    InsideMmLabel,
    InsideMm,
    InsideInLabel,
    InsideIn,
    MassKgLabel,
    MassKg,
    MassLbLabel,
    MassLb,
    TakeOver,  // button
    Hint,      // button
    Close,     // button
};

// The three pages' file lines, read once and kept for the run.
struct CircularPipeFiles {
    std::vector<std::string> european;
    std::vector<std::string> american;
    std::vector<std::string> other;
};

// Reads the three files of the circular dialog; throws persist::DataFileError naming the file
// that cannot be read.
CircularPipeFiles readCircularPipeFiles(const persist::DataFileSet& files, bool decimalComma);

// The circular pipe dialog without a toolkit: a page, a material, a standard, a size and a class
// choose a standard pipe; the dialog shows its outside diameter, wall, inside diameter in mm and
// inches and its mass per metre, and hands the inside diameter over.
class CircularPipePresenter {
public:
    explicit CircularPipePresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::string& title() const;

    // The files, the first time the dialog is shown: the lists are filled and the first standard
    // of the European page shown. Later showings keep the choices.
    void load(CircularPipeFiles files);
    bool loaded() const { return loaded_; }
    // Captions again (each showing).
    void show();

    // The user chose an item of a list (page, material, standard, size or class).
    void chosen(CircularPipeField field);
    // Selects a page/material/standard/size/class position as the user would, then recomputes.
    bool choose(CircularPipeField field, int index);

    // The values to hand over, as shown (the not-available text when the class is not made).
    PipeValues values() const;
    // "Werte übernehmen": hands the values to the router; what took them.
    TakeOverReceipt takeOver(const TakeOverRouter& router) const { return router.deliver(values()); }
    // The hint box: nine catalogue lines.
    model::UserMessage hintMessage() const;

    // The standards the current page (and material) offers: their positions on the page.
    const std::vector<int>& offered() const { return offered_; }
    PipePage page() const { return static_cast<PipePage>(form_.index(static_cast<int>(CircularPipeField::Page))); }
    // The block of the chosen standard (none before loading or when the page has none).
    const PipeBlock* block() const { return block_ ? &*block_ : nullptr; }
    // A standard's list text and short designation.
    std::string standardName(PipePage page, int number) const;
    std::string designation(PipePage page, int number) const;

private:
    template <class Enum>
    const std::string& text(Enum position) const;
    const std::vector<std::string>& lines(PipePage page) const;
    void fillStandards();
    void fillStandard();
    void fillClasses();
    void compute();
    std::string write(double value, int decimals) const;

    const lang::TextCatalogue* texts_;
    model::DialogForm form_;
    CircularPipeFiles files_;
    bool loaded_ = false;
    std::vector<int> offered_;
    std::optional<PipeBlock> block_;
};

// Mass per metre's decimals: none from 100 on, one from 1, two below 1.
int massDecimals(double kgPerMetre);

}  // namespace velmora::pipedata
