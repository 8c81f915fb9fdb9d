#pragma once

#include <optional>
#include <utility>

namespace velmora::media {

// The result of a property computation: either the values, or the reason the dialog refuses the
// state (one enumerator per message the dialog can show). A refused computation carries no value,
// so nothing half-computed can reach a display.
template <class Value, class Reason>
class Outcome {
public:
    Outcome(Value value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
    Outcome(Reason reason) : reason_(reason) {}         // NOLINT: implicit on purpose

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    const Value& value() const { return *value_; }
    const Value* operator->() const { return &*value_; }
    const Value& operator*() const { return *value_; }

    // Meaningful only when !ok().
    Reason reason() const { return reason_; }

private:
    std::optional<Value> value_;
    Reason reason_{};
};

}  // namespace velmora::media
