#pragma once

#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "model/messenger.h"
#include "model/real.h"

namespace velmora::tools {

using model::Real;

// The most points one run computes: a run holds them all, and beyond this the diagram shows
// nothing finer.
inline constexpr int kMaxCurvePoints = 10000;

// The range of a run as the dialog read it.
struct CurveRange {
    Real from = 1;      // lowest flow, in the chosen unit
    Real to = 10;       // highest flow, in the chosen unit
    int unitIndex = 0;  // position in curveFlowUnits()
    int points = 20;    // N ≥ 2
};

// The number of points of an entry: below 2 it is 10; then rounded half away from zero
// (1.9 → 10, 2 → 2, 2.5 → 3). Entries too large for a count give a number above the maximum.
int curvePointCount(Real entered);

// The entries of the range dialog as typed, kept between openings and in the settings.
struct CurveRangeEntries {
    std::string from = "1";
    std::string to = "10";
    int unitIndex = 0;
    std::string points = "20";

    friend bool operator==(const CurveRangeEntries&, const CurveRangeEntries&) = default;
};

// The range dialog of the system characteristic curve (TAnlagenkennlinie_Dlg): lowest and highest
// flow, their unit and the number of points; the medium of the main form is shown.
class CurveRangePresenter {
  public:
    enum Field {
        Intro,
        FromLabel,
        From,
        ToLabel,
        To,
        UnitLabel,
        Unit,
        PointsLabel,
        Points,
        MediumLabel,
        Medium,
        Calculate,
        Cancel
    };

    explicit CurveRangePresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::string& title() const;

    // Each opening: the captions of the edition and the medium's name from the main form.
    void shown(const std::string& mediumName);

    CurveRangeEntries entries() const;
    void setEntries(const CurveRangeEntries& entries);

    // "Berechnen": the three numbers, or nothing after the message that names the entry at fault
    // (it gets the focus; the dialog stays open): an entry that is not a number, a negative lowest
    // flow, more than kMaxCurvePoints points. The order of from and to is the run's to check.
    std::optional<CurveRange> read(model::Messenger& messenger) const;

  private:
    std::optional<Real> number(Field entry, Field label, model::Messenger& messenger) const;
    model::UserMessage refusal(int text, Field entry) const;

    const lang::TextCatalogue* texts_;
    model::DialogForm form_;
};

}  // namespace velmora::tools
