#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "model/messenger.h"
#include "model/real.h"
#include "model/unit_system.h"

namespace velmora::tools {

using model::Real;

// What every tool takes from the program's settings when it opens: the unit system of the output
// and the number of decimal places.
struct ToolSettings {
    model::UnitSystem units = model::UnitSystem::Metric;
    int decimals = 3;  // 0 … 6
};

// The shared part of the tool presenters: the dialog's form, its caption block in the caption file,
// the settings, number entry with the standard message and number output in the edition's form.
class ToolPresenter {
  public:
    ToolPresenter(const lang::TextCatalogue& texts, std::string_view block);
    virtual ~ToolPresenter() = default;

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const ToolSettings& settings() const { return settings_; }
    void setSettings(ToolSettings settings) { settings_ = settings; }
    const lang::TextCatalogue& texts() const { return *texts_; }

    // The dialog's title (the first text of its block).
    const std::string& title() const { return text(0); }

  protected:
    // A text of the dialog's block by position (an enum of the presenter's text file block).
    template <class Enum>
    const std::string& text(Enum position) const {
        return blockText(static_cast<int>(position));
    }
    const std::string& text(int position) const { return blockText(position); }
    const std::string& blockText(int position) const;
    const std::string& global(model::GlobalText role) const { return texts_->text(role); }

    // The entry's number; nullopt after the standard message naming the caption of `label` (the
    // entry gets the focus). With emptyIsError an empty entry is not a number either.
    std::optional<Real> number(int entry, int label, model::Messenger& messenger, bool emptyIsError = false) const;
    // The same message without reading (a value out of its range).
    void refuse(int entry, int label, model::Messenger& messenger) const;

    bool decimalComma() const { return texts_->edition().decimalComma(); }
    // Fixed-point text in the edition's decimal form.
    std::string write(Real value, int decimals) const;
    std::string write(Real value) const { return write(value, settings_.decimals); }
    bool us() const { return settings_.units == model::UnitSystem::Us; }

    // A row of the dialog shown or hidden: every field given.
    void showFields(const std::vector<int>& fields, bool visible);

    model::DialogForm form_;

  private:
    const lang::TextCatalogue* texts_;
    std::string block_;
    ToolSettings settings_;
};

}  // namespace velmora::tools
