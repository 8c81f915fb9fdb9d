#pragma once

#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "pipedata/take_over.h"

namespace velmora::pipedata {

// The texts of the roughness dialog's block "TRauhigkeitDlg": the title, the 42 surfaces in the
// order of the edition's value list, then the dialog's own captions.
enum class RoughnessText : int {
    Title,
    Surface1,
    ValueLabel = Surface1 + 42,  // "Rauigkeit k:"
    TakeOver,                    // "Daten &übernehmen"
    Source,                      // the note under the list naming the sources
    Count
};

enum class RoughnessField {
    List,  // choice: the 42 surfaces
    ValueLabel,
    Value,  // output: the chosen surface's roughness "0,0015 mm"
    Source,
    TakeOver,
    Close,
};

// The roughness values of an edition in the order of its surface texts, as strings in mm.
const std::vector<std::string>& roughnessValues(char editionLetter);

// A roughness in mm as the US unit system enters it: inches with 4 decimals in the edition's form
// (0,0015 mm → 0,0001); the text unchanged when it is not a number.
std::string roughnessInInches(const std::string& mm, bool decimalComma);

// The roughness database without a toolkit: 42 typical surfaces and their absolute roughness.
class RoughnessPresenter {
public:
    explicit RoughnessPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::string& title() const;

    // Each opening: the texts (re)loaded from the caption block, keeping the selected line.
    void show();
    void chosen(RoughnessField field);
    bool choose(int line);

    const std::string& value() const;  // the chosen line's roughness in mm, as the edition writes it
    RoughnessValues values() const { return {value()}; }
    TakeOverReceipt takeOver(const TakeOverRouter& router) const { return router.deliver(values()); }

private:
    const lang::TextCatalogue* texts_;
    model::DialogForm form_;
};

}  // namespace velmora::pipedata
