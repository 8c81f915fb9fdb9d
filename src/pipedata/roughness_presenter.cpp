#include "pipedata/roughness_presenter.h"

#include "lang/dialog_messages.h"
#include "model/global_text.h"
#include "model/number_text.h"

namespace velmora::pipedata {

namespace {
using F = RoughnessField;
using T = RoughnessText;
constexpr std::string_view kBlock = "TRauhigkeitDlg";
int f(F field) { return static_cast<int>(field); }
}  // namespace

const std::vector<std::string>& roughnessValues(char editionLetter) {
    static const std::vector<std::string> german{
        "0,0015", "0,03", "0,1",  "0,8",  "2,0",  "3,0",  "0,3",  "0,15",  "0,15", "0,8",  "0,0015",
        "0,03",   "0,0016", "0,6", "0,13", "1,5",  "3,0",  "1,5",  "1,2",   "1,0",  "0,1",  "0,0015",
        "0,03",   "0,0015", "0,03", "0,0014", "0,03", "0,15", "0,40", "4,0", "0,20", "0,06", "0,04",
        "0,06",   "0,10", "0,16", "0,1",  "0,05", "0,008", "0,25", "0,7",  "9,0"};
    static const std::vector<std::string> english{
        "0.0015", "0.03", "0.1",  "0.0014", "0.03", "1.2",  "3.0",  "0.13", "0.6",  "1.5",  "1.5",
        "9.0",    "0.7",  "2.0",  "3.0",  "0.8",  "0.3",  "0.15", "0.8",  "0.15", "0.0015", "0.03",
        "0.0015", "0.03", "0.0015", "0.3", "0.0016", "0.20", "0.15", "4.0", "0.40", "0.05", "0.008",
        "0.1",    "0.16", "0.10", "0.04", "0.06", "0.06", "0.25", "0.1",  "1.0"};
    static const std::vector<std::string> french{
        "0,20", "0,15", "0,40", "4,0",  "0,16", "0,06", "0,06", "0,10", "0,04", "0,05", "0,008",
        "0,1",  "0,0015", "0,03", "0,1", "0,3",  "0,8",  "2,0",  "3,0",  "0,15", "0,8",  "0,15",
        "1,0",  "0,1",  "0,0016", "0,0015", "0,03", "3,0", "1,5", "0,6",  "0,13", "1,2",  "1,5",
        "0,0014", "0,03", "0,25", "0,0015", "0,03", "9,0", "0,7", "0,0015", "0,03"};
    switch (editionLetter) {
    case 'E': return english;
    case 'F': return french;
    default: return german;  // "D" and "H"
    }
}

std::string roughnessInInches(const std::string& mm, bool decimalComma) {
    const auto value = model::readNumber(mm);
    if (!value || mm.empty()) return mm;
    return model::writeNumber(*value / 25.4L, 4, decimalComma);
}

RoughnessPresenter::RoughnessPresenter(const lang::TextCatalogue& texts) : texts_(&texts) { show(); }

const std::string& RoughnessPresenter::title() const { return lang::blockText(*texts_, kBlock, 0); }

void RoughnessPresenter::show() {
    std::vector<std::string> surfaces;
    for (int i = 0; i < 42; ++i) surfaces.push_back(lang::blockText(*texts_, kBlock, static_cast<int>(T::Surface1) + i));
    form_.choice(f(F::List)).refillKeepingIndex(std::move(surfaces));
    form_.setCaption(f(F::ValueLabel), lang::blockText(*texts_, kBlock, static_cast<int>(T::ValueLabel)));
    form_.setCaption(f(F::Source), lang::blockText(*texts_, kBlock, static_cast<int>(T::Source)));
    form_.setCaption(f(F::TakeOver), lang::blockText(*texts_, kBlock, static_cast<int>(T::TakeOver)));
    form_.setCaption(f(F::Close), texts_->text(model::GlobalText::ButtonClose));
    chosen(F::List);
}

void RoughnessPresenter::chosen(RoughnessField field) {
    if (field == F::List) form_.setOutput(f(F::Value), value() + " mm");
}

bool RoughnessPresenter::choose(int line) {
    if (!form_.choice(f(F::List)).select(line)) return false;
    chosen(F::List);
    return true;
}

const std::string& RoughnessPresenter::value() const {
    const auto& values = roughnessValues(texts_->edition().letter());
    return values[static_cast<std::size_t>(form_.index(f(F::List))) % values.size()];
}

}  // namespace velmora::pipedata
