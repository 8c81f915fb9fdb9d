#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::model {

// A unit choice of a form: its items (unit labels) and the selected position. The position is
// kept even while the box has no items, so a slot box that is refilled later can keep it.
class UnitBox {
  public:
    UnitBox() = default;
    explicit UnitBox(std::vector<std::string> items) : items_(std::move(items)) {}

    const std::vector<std::string>& items() const { return items_; }
    bool empty() const { return items_.empty(); }

    // The selected position; 0 … size − 1 while the box has items.
    int index() const { return index_; }

    // The selected label; empty while the box has no items.
    const std::string& current() const;

    // Selects a position; false (and nothing changes) when it is not one of the items.
    bool select(int index);
    // Selects the first item with this label; false (and nothing changes) when there is none.
    bool selectLabel(std::string_view label);

    // The first item selected, also for a box that is filled later.
    void selectFirst() { index_ = 0; }

    // New items, the first one selected (the flow and viscosity boxes after a quantity change).
    void refill(std::vector<std::string> items);
    // New items, keeping the selected position when the new list is long enough, else the first.
    void refillKeepingIndex(std::vector<std::string> items);

    friend bool operator==(const UnitBox&, const UnitBox&) = default;

  private:
    std::vector<std::string> items_;
    int index_ = 0;
};

}  // namespace velmora::model
