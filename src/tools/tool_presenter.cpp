#include "tools/tool_presenter.h"

#include "lang/dialog_messages.h"
#include "model/number_text.h"

namespace velmora::tools {

ToolPresenter::ToolPresenter(const lang::TextCatalogue& texts, std::string_view block)
    : texts_(&texts), block_(block) {}

const std::string& ToolPresenter::blockText(int position) const {
    return lang::blockText(*texts_, block_, position);
}

std::optional<Real> ToolPresenter::number(int entry, int label, model::Messenger& messenger,
                                          bool emptyIsError) const {
    const std::string& typed = form_.text(entry);
    const bool blank = typed.find_first_not_of(' ') == std::string::npos;
    std::optional<Real> value = (emptyIsError && blank) ? std::nullopt : model::readNumber(typed);
    if (!value) refuse(entry, label, messenger);
    return value;
}

void ToolPresenter::refuse(int entry, int label, model::Messenger& messenger) const {
    messenger.show(lang::numberEntryError(*texts_, form_.caption(label), entry));
}

std::string ToolPresenter::write(Real value, int decimals) const {
    return model::writeNumber(value, decimals, decimalComma());
}

void ToolPresenter::showFields(const std::vector<int>& fields, bool visible) {
    for (int field : fields) form_.setVisible(field, visible);
}

}  // namespace velmora::tools
