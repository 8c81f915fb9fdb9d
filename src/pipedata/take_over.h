#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the pipe and fitting data dialogs hand over, and who receives it. A data dialog does not
// know the windows it serves: it builds one of the value records below and gives it to the
// TakeOverRouter, which passes it to every open window that takes that kind of value (the pump
// quick design, the table-change and the column-change dialogs) and to the main form only when
// none of them took it.
namespace velmora::pipedata {

// A length as the dialog shows it in both unit systems, each text with the edition's decimal
// separator: millimetres and inches.
struct LengthTexts {
    std::string mm;
    std::string inch;
};

// A standard pipe's inside dimensions from the circular or the rectangular pipe tables.
struct PipeValues {
    bool rectangular = false;
    LengthTexts inside;        // circular: inside diameter; rectangular: inside width
    LengthTexts insideHeight;  // rectangular only: inside height
    std::string designation;   // the standard's short designation, for an empty designation entry
};

// One slot of a standard fitting with the unit text of its unit box ("mm", "in.", "" for an angle).
struct SlotValue {
    std::string text;
    std::string unit;
};

// A standard bend, tee or reducer: the element kind it stands for and its slots from slot 1 on,
// already in the unit system's unit.
struct FittingValues {
    int group = 0;
    int subgroup = 0;
    std::vector<SlotValue> slots;
    std::string standardName;  // for an empty designation entry
};

// A maker's fitting from the zeta database.
struct ZetaValues {
    std::string maker;
    std::string fitting;
    std::string sizeText;  // the nominal size as listed
    std::string zetaText;  // as shown, with the edition's decimal separator
    bool withDesignation = true;                       // "maker fitting" into the designation entry
    std::array<bool, 3> pumpRows{true, false, false};  // the pump design's fitting rows that receive it
};

// A surface's absolute roughness, in mm as the edition writes it.
struct RoughnessValues {
    std::string mm;
};

// The windows that can receive values besides the main form.
enum class TakeOverRole { PumpDesign, TableChange, ColumnChange };

// A window that receives values. Each take function says whether the window used the values; a
// window that has no place for a kind of value keeps the default and returns false.
class TakeOverTarget {
public:
    virtual ~TakeOverTarget() = default;
    virtual bool takePipe(const PipeValues&) { return false; }
    virtual bool takeFitting(const FittingValues&) { return false; }
    virtual bool takeZeta(const ZetaValues&) { return false; }
    virtual bool takeRoughness(const RoughnessValues&) { return false; }
    // While the column of a tee is being changed, the tee dialog's use is that tee's: its subgroup
    // (5 dividing, 6 combining flow). None when the user chooses.
    virtual std::optional<int> fixedTeeSubgroup() const { return std::nullopt; }
};

// Who took a delivery: the open windows that used the values, and whether the main form did.
struct TakeOverReceipt {
    std::vector<TakeOverRole> windows;
    bool mainForm = false;
    bool taken() const { return mainForm || !windows.empty(); }
};

class TakeOverRouter {
public:
    void setMainForm(TakeOverTarget* target) { mainForm_ = target; }
    // A receiving window opened or closed; one window per role.
    void opened(TakeOverRole role, TakeOverTarget* target);
    void closed(TakeOverRole role);
    TakeOverTarget* open(TakeOverRole role) const;

    TakeOverReceipt deliver(const PipeValues& values) const;
    TakeOverReceipt deliver(const FittingValues& values) const;
    TakeOverReceipt deliver(const ZetaValues& values) const;
    TakeOverReceipt deliver(const RoughnessValues& values) const;

    // The tee use fixed by an open window, if any.
    std::optional<int> fixedTeeSubgroup() const;

private:
    template <class Values, class Take>
    TakeOverReceipt route(const Values& values, Take take) const;

    static constexpr int roleCount = 3;
    std::array<TakeOverTarget*, roleCount> windows_{};
    TakeOverTarget* mainForm_ = nullptr;
};

}  // namespace velmora::pipedata
