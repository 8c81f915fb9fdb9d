#pragma once

#include "model/unit_system.h"
#include "pipedata/take_over.h"
#include "workflow/main_form.h"

namespace velmora::workflow {

// The main input form as the receiver of the pipe and fitting data dialogs, used when no other
// receiving window is open: a standard pipe sets up the straight pipe, a standard fitting its
// kind, a maker's fitting the known-zeta element, a surface the roughness entry.
class MainFormTakeOver : public pipedata::TakeOverTarget {
public:
    // `units` is read at each delivery: the unit system decides between the mm and inch texts.
    MainFormTakeOver(MainForm& form, const model::UnitSystem& units) : form_(form), units_(units) {}

    bool takePipe(const pipedata::PipeValues& values) override;
    bool takeFitting(const pipedata::FittingValues& values) override;
    bool takeZeta(const pipedata::ZetaValues& values) override;
    bool takeRoughness(const pipedata::RoughnessValues& values) override;

private:
    bool metric() const { return units_ == model::UnitSystem::Metric; }
    // Sets up the kind; a designation the user typed survives it, an empty one receives `name`.
    void setUpKeepingDesignation(model::ElementKind kind, const std::string& name);

    MainForm& form_;
    const model::UnitSystem& units_;
};

}  // namespace velmora::workflow
