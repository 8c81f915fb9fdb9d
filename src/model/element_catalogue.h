#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/element_kind.h"
#include "model/global_text.h"
#include "model/real.h"
#include "model/unit_catalogue.h"

// The catalogue of the 65 element kinds: for each kind what the main form asks for (slots with
// label, unit and default text, roughness, two-option choice, branch flow), its picture and the
// checks its slot values must pass before a calculation. One row per kind; the form and the
// checks switch on the fields of a row.
namespace velmora::model {

// What stands beside a slot's entry.
enum class SlotUnit {
    None,         // nothing (a given resistance coefficient)
    SmallLength,  // unit box "mm", "in."
    LongLength,   // unit box "m", "ft."
    Area,         // unit box "m²", "sq.yd."
    Degree,       // fixed text: the catalogue's degree word
    Percent,      // fixed text "%"
    Count,        // fixed text: the catalogue's count word
};

// A default text of "k" keeps what the entry already holds (slots 1 and 2 get "100" if that is
// empty). Defaults are written with a decimal comma; the English edition shows a point.
inline constexpr std::string_view kKeepText = "k";
inline constexpr std::string_view kEmptySlotText = "100";

struct SlotDescription {
    GlobalText labelWord = GlobalText::LabelDiameter;
    std::string_view suffix{};  // " D:", " L:", … or ":" alone; the label is word + suffix
    SlotUnit unit = SlotUnit::SmallLength;
    std::string_view defaultText = kKeepText;
    int defaultFromSlot = 0;  // 1 … 5: the default is the current text of that slot (13/3)
};

// One option of the two-option choice: a literal prefix followed by a catalogue word
// ("15 " + degree word for the venturi nozzle, the word alone otherwise).
struct OptionText {
    std::string_view prefix{};
    GlobalText word = GlobalText::InletEdgeSharp;
};

struct ChoiceDescription {
    GlobalText title = GlobalText::InletEdgeTitle;  // shown followed by ": "
    std::array<OptionText, 2> options{};
};

// Checks of the slot values (internal units) before a calculation.
enum class CheckKind {
    Positive,     // x > 0
    NonNegative,  // x ≥ 0
    Below,        // x < bound (the bound itself is refused)
    AtLeast,      // x ≥ bound
    AtMost,       // x ≤ bound (the bound itself is accepted)
    Relation,     // a kind-specific relation between slots, with its own catalogue texts
};

using SlotValues = std::array<Real, 5>;  // va1 … va5

struct SlotCheck {
    CheckKind kind = CheckKind::Positive;
    int slot = 1;    // the slot tested, and the one that gets the focus
    Real bound = 0;  // Below, AtLeast, AtMost
    // Relation: true when the values are refused; its texts follow the lead text (or stand alone
    // when `leadText` is false), one per line.
    bool (*refuses)(const SlotValues&) = nullptr;
    std::vector<GlobalText> texts{};
    bool leadText = true;
    bool warnOnly = false;  // the message is shown but the calculation proceeds
};

struct CheckFailure {
    CheckKind kind = CheckKind::Positive;
    int focusSlot = 1;
    Real bound = 0;
    // The catalogue text(s) after the lead: the bound wording (MustBeGreater, MustBeSmaller,
    // MustBeAtLeast, MustNotExceed) for bound checks, the kind's texts for relations.
    std::vector<GlobalText> texts{};
    bool leadText = true;
    bool warnOnly = false;
};

struct KindDescription {
    ElementKind kind{};
    std::vector<SlotDescription> slots{};  // slots 1 … n shown; the others are hidden
    bool roughness = false;                // the wall-roughness row is enabled
    std::optional<ChoiceDescription> choice{};
    bool branchFlow = false;          // the tees 5/5 and 5/6 ask for the branch flow
    int picture = 0;                  // picture file: this number followed by ".bmp"
    std::vector<SlotCheck> checks{};  // in the order they run
};

// The row of a kind; std::invalid_argument for a pair that is not one of the 65 kinds.
const KindDescription& kindDescription(ElementKind kind);

// Every row, in catalogue order (group 1 … 13, subgroup 1 … 9).
std::span<const KindDescription> allKindDescriptions();

// The unit list a slot's unit box offers, or none for a fixed unit text or no unit.
std::optional<Quantity> slotUnitList(SlotUnit unit);

// The catalogue word a fixed unit shows (degree word, count word), if any.
std::optional<GlobalText> slotUnitWord(SlotUnit unit);

// A slot value in its entered unit to the internal unit (the unit label as chosen in its box).
Real convertSlotValue(SlotUnit unit, std::string_view unitLabel, Real value);

// Runs every check of the kind in order and returns those that fail; all of them run, so several
// failures can be reported in turn.
std::vector<CheckFailure> checkSlots(ElementKind kind, const SlotValues& values);
std::vector<CheckFailure> checkSlots(const std::vector<SlotCheck>& checks, const SlotValues& values);

// The catalogue wording of a bound check (MustBeGreater, …); std::invalid_argument for Relation.
GlobalText boundWording(CheckKind kind);

// The element information texts stand in this block of the caption file, one line per kind in
// catalogue order; a missing or empty line means the kind has none.
inline constexpr std::string_view kElementInfoBlock = "Elementinfo";

// Position of the kind in catalogue order (0 … 64), the line of its information text.
int cataloguePosition(ElementKind kind);

}  // namespace velmora::model
