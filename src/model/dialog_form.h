#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/unit_box.h"

namespace velmora::model {

// The state of a dialog without a toolkit: what a property, data or tool dialog shows and what the
// user typed, each piece addressed by the presenter's own field number (an enum of the presenter).
//  - entries: texts exactly as typed;
//  - choices: unit boxes, list boxes and radio groups (their items and the selected position);
//  - outputs: result texts the dialog displays;
//  - captions: label and button texts set by the presenter (unit captions that follow the unit
//    system, a bold name);
//  - enabled and visible flags (a field never set is enabled and visible).
// The Qt dialog binds its widgets to these fields both ways and holds no state of its own.
class DialogForm {
  public:
    const std::string& text(int field) const { return lookup(entries_, field); }
    void setText(int field, std::string text) { entries_[field] = std::move(text); }

    const UnitBox& choice(int field) const;
    UnitBox& choice(int field) { return choices_[field]; }
    // The selected position of a choice (0 when it was never filled).
    int index(int field) const { return choice(field).index(); }
    // The selected item's text; empty when the choice has no items.
    const std::string& current(int field) const { return choice(field).current(); }

    const std::string& output(int field) const { return lookup(outputs_, field); }
    void setOutput(int field, std::string text) { outputs_[field] = std::move(text); }
    // Empties the output texts of these fields.
    void clearOutputs(const std::vector<int>& fields);

    const std::string& caption(int field) const { return lookup(captions_, field); }
    void setCaption(int field, std::string text) { captions_[field] = std::move(text); }

    bool enabled(int field) const { return flag(enabled_, field); }
    void setEnabled(int field, bool on) { enabled_[field] = on; }
    bool visible(int field) const { return flag(visible_, field); }
    void setVisible(int field, bool on) { visible_[field] = on; }

    friend bool operator==(const DialogForm&, const DialogForm&) = default;

  private:
    static const std::string& lookup(const std::map<int, std::string>& texts, int field);
    static bool flag(const std::map<int, bool>& flags, int field);

    std::map<int, std::string> entries_;
    std::map<int, UnitBox> choices_;
    std::map<int, std::string> outputs_;
    std::map<int, std::string> captions_;
    std::map<int, bool> enabled_;
    std::map<int, bool> visible_;
};

}  // namespace velmora::model
