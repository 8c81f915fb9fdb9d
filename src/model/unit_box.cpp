#include "model/unit_box.h"

#include <algorithm>

namespace velmora::model {

namespace {
const std::string noLabel;
}

const std::string& UnitBox::current() const {
    return index_ >= 0 && static_cast<std::size_t>(index_) < items_.size()
               ? items_[static_cast<std::size_t>(index_)]
               : noLabel;
}

bool UnitBox::select(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return false;
    index_ = index;
    return true;
}

bool UnitBox::selectLabel(std::string_view label) {
    const auto it = std::find(items_.begin(), items_.end(), label);
    return it != items_.end() && select(static_cast<int>(it - items_.begin()));
}

void UnitBox::refill(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = 0;
}

void UnitBox::refillKeepingIndex(std::vector<std::string> items) {
    items_ = std::move(items);
    if (index_ < 0 || static_cast<std::size_t>(index_) >= items_.size()) index_ = 0;
}

}  // namespace velmora::model
