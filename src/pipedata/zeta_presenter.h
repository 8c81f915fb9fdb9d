#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "model/messenger.h"
#include "pipedata/take_over.h"

namespace velmora::pipedata {

// The texts of the zeta database's block "TZetaDlg", by line offset.
enum class ZetaText : int {
    Title,             // "Zeta-Datenbank"
    MakerLabel,        // "Hersteller / Quelle:"
    FittingLabel,      // "Armatur / Formstück:"
    SizeLabel,         // "Nennweite DN:"
    ZetaLabel,         // "Zeta:"
    DesignationOption, // "Hersteller und Bezeichnung in die Rohrbezeichnung"
    PumpRowsLabel,     // "Für die Pumpenauslegung:"
    Number1,           // "Nummer 1"
    Number2,
    Number3,
    TakeOver,  // "Daten &übernehmen"
    FileMissing,  // the message before the file's name
    Count
};

enum class ZetaField {
    MakerLabel,
    Maker,  // choice: the *.ZTA files
    FittingLabel,
    Fitting,  // choice
    SizeLabel,
    Size,  // choice
    ZetaLabel,
    Zeta,         // output, read-only
    Designation,  // check box: maker and fitting into the pipe designation (on)
    PumpRowsLabel,
    Number1,  // check boxes: the pump design's fitting rows
    Number2,
    Number3,
    TakeOver,
    Close,
};

// One fitting line of a zeta file: the designation and its (nominal size, zeta) pairs, which end
// at the end of the line or at an empty size field.
struct ZetaFitting {
    std::string designation;
    std::vector<std::pair<std::string, std::string>> sizes;
};
ZetaFitting parseZetaLine(const std::string& line);

// The makers of a folder: every "*.ZTA" file (any case of the extension), by name without the
// extension, sorted.
std::vector<std::string> zetaMakers(const std::filesystem::path& folder);

// The zeta database without a toolkit: makers, their fittings and each fitting's nominal sizes.
class ZetaPresenter {
public:
    ZetaPresenter(const lang::TextCatalogue& texts, std::filesystem::path folder);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::string& title() const;

    // Opening: the maker list from the folder; the first maker loaded (a file that cannot be read
    // gives its message, and the lists stay empty).
    void show(model::Messenger& messenger);
    void chosen(ZetaField field, model::Messenger& messenger);
    bool choose(ZetaField field, int index, model::Messenger& messenger);

    ZetaValues values() const;
    TakeOverReceipt takeOver(const TakeOverRouter& router) const { return router.deliver(values()); }

private:
    template <class Enum>
    const std::string& text(Enum position) const;
    void loadMaker(model::Messenger& messenger);
    void fillSizes();
    void showZeta();

    const lang::TextCatalogue* texts_;
    std::filesystem::path folder_;
    model::DialogForm form_;
    std::vector<std::string> makers_;
    std::vector<ZetaFitting> fittings_;
};

}  // namespace velmora::pipedata
