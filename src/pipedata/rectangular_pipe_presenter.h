#pragma once

#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "model/user_message.h"
#include "persist/data_file_set.h"
#include "pipedata/take_over.h"

namespace velmora::pipedata {

// The texts of the rectangular pipe dialog's block "TRechteckDlg", by line offset.
enum class RectangularPipeText : int {
    Title,         // "Rohrtabellen rechteckig"
    StandardLabel, // "Norm:"
    ShapeLabel,    // "Form:"
    Square,        // "quadratisch"
    Rectangular,   // "rechteckig"
    OutsideSize,   // size caption: "Außenmaß B x H"
    InsideSize,    // size caption of the ducts, listed by inside dimensions: "Innenmaß B x H"
    WallThickness, // "Wanddicke"
    InsideWidth,   // "Innenbreite"
    InsideHeight,  // "Innenhöhe"
    Mass,          // "Masse"
    TakeOver,      // "Werte &übernehmen"
    Hint,          // "&Hinweis"
    HintLine,      // the hint's line, followed by the density
    Standard1,     // the five standards' list texts (also their short designation)
    Count = Standard1 + 5
};

enum class RectangularPipeField {
    StandardLabel,
    Standard,  // choice: the five standards
    ShapeLabel,
    Shape,  // choice: square, rectangular
    SizeLabel,
    Size,  // choice: "W x H"
    WallLabel,
    Wall,  // choice: the walls of the size
    InsideWidthLabel,
    InsideWidthMm,
    InsideWidthIn,
    InsideHeightLabel,
    InsideHeightMm,
    InsideHeightIn,
    MassLabel,
    MassKg,
    MassLb,
    TakeOver,
    Hint,
    Close,
};

// One standard of the rectangular tables: its square and its rectangular block of lines, and
// whether its width and height are inside dimensions (sheet-metal ducts).
struct RectangularStandard {
    int squareFirst, squareLast, rectangularFirst, rectangularLast;
    bool insideDimensions;
};
const std::vector<RectangularStandard>& rectangularStandards();

// The rectangular pipe dialog without a toolkit: a standard, a shape, a size and a wall give the
// inside width and height and the mass per metre (steel, 7850 kg/m³).
class RectangularPipePresenter {
public:
    static constexpr double density = 7850;

    explicit RectangularPipePresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::string& title() const;

    // The file's lines (read once, the first time the dialog is shown).
    void load(std::vector<std::string> lines);
    bool loaded() const { return loaded_; }
    void show();

    void chosen(RectangularPipeField field);
    bool choose(RectangularPipeField field, int index);

    PipeValues values() const;
    TakeOverReceipt takeOver(const TakeOverRouter& router) const { return router.deliver(values()); }
    model::UserMessage hintMessage() const;

private:
    template <class Enum>
    const std::string& text(Enum position) const;
    void fillSizes();
    void fillWalls();
    void compute();
    std::string write(double value, int decimals) const;
    const std::string& line(int size) const;

    const lang::TextCatalogue* texts_;
    model::DialogForm form_;
    std::vector<std::string> lines_;
    bool loaded_ = false;
    std::vector<int> sizeLines_;  // 1-based line numbers of the size list
};

// Reads "rechteck.nfk"; throws persist::DataFileError when it cannot be read.
std::vector<std::string> readRectangularPipeFile(const persist::DataFileSet& files, bool decimalComma);

}  // namespace velmora::pipedata
