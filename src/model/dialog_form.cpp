#include "model/dialog_form.h"

namespace velmora::model {

namespace {
const std::string kNoText;
const UnitBox kNoChoice;
}  // namespace

const UnitBox& DialogForm::choice(int field) const {
    const auto it = choices_.find(field);
    return it == choices_.end() ? kNoChoice : it->second;
}

void DialogForm::clearOutputs(const std::vector<int>& fields) {
    for (int field : fields) outputs_[field].clear();
}

const std::string& DialogForm::lookup(const std::map<int, std::string>& texts, int field) {
    const auto it = texts.find(field);
    return it == texts.end() ? kNoText : it->second;
}

bool DialogForm::flag(const std::map<int, bool>& flags, int field) {
    const auto it = flags.find(field);
    return it == flags.end() || it->second;
}

}  // namespace velmora::model
