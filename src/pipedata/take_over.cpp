#include "pipedata/take_over.h"

namespace velmora::pipedata {

namespace {
std::size_t slot(TakeOverRole role) { return static_cast<std::size_t>(role); }
}  // namespace

void TakeOverRouter::opened(TakeOverRole role, TakeOverTarget* target) { windows_[slot(role)] = target; }

void TakeOverRouter::closed(TakeOverRole role) { windows_[slot(role)] = nullptr; }

TakeOverTarget* TakeOverRouter::open(TakeOverRole role) const { return windows_[slot(role)]; }

template <class Values, class Take>
TakeOverReceipt TakeOverRouter::route(const Values& values, Take take) const {
    TakeOverReceipt receipt;
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i] && (windows_[i]->*take)(values)) receipt.windows.push_back(static_cast<TakeOverRole>(i));
    if (receipt.windows.empty() && mainForm_) receipt.mainForm = (mainForm_->*take)(values);
    return receipt;
}

TakeOverReceipt TakeOverRouter::deliver(const PipeValues& values) const {
    return route(values, &TakeOverTarget::takePipe);
}

TakeOverReceipt TakeOverRouter::deliver(const FittingValues& values) const {
    return route(values, &TakeOverTarget::takeFitting);
}

TakeOverReceipt TakeOverRouter::deliver(const ZetaValues& values) const {
    return route(values, &TakeOverTarget::takeZeta);
}

TakeOverReceipt TakeOverRouter::deliver(const RoughnessValues& values) const {
    return route(values, &TakeOverTarget::takeRoughness);
}

std::optional<int> TakeOverRouter::fixedTeeSubgroup() const {
    for (const TakeOverTarget* window : windows_)
        if (window)
            if (auto subgroup = window->fixedTeeSubgroup()) return subgroup;
    return std::nullopt;
}

}  // namespace velmora::pipedata
