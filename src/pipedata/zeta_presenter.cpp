#include "pipedata/zeta_presenter.h"

#include <algorithm>
#include <cctype>

#include "lang/dialog_messages.h"
#include "model/global_text.h"
#include "persist/data_file_error.h"
#include "persist/data_file_set.h"
#include "persist/fields.h"

namespace velmora::pipedata {

namespace {
using F = ZetaField;
using T = ZetaText;
constexpr std::string_view kBlock = "TZetaDlg";
int f(F field) { return static_cast<int>(field); }

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}
}  // namespace

ZetaFitting parseZetaLine(const std::string& line) {
    ZetaFitting fitting;
    fitting.designation = std::string(persist::field(line, 1));
    const int fields = static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
    for (int n = 2; n + 1 <= fields + 1; n += 2) {
        const std::string_view size = persist::field(line, n);
        if (size.empty()) break;
        fitting.sizes.emplace_back(std::string(size), std::string(persist::field(line, n + 1)));
    }
    return fitting;
}

std::vector<std::string> zetaMakers(const std::filesystem::path& folder) {
    std::vector<std::string> makers;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error)) continue;
        if (upper(entry.path().extension().string()) == ".ZTA") makers.push_back(entry.path().stem().string());
    }
    std::sort(makers.begin(), makers.end());
    return makers;
}

ZetaPresenter::ZetaPresenter(const lang::TextCatalogue& texts, std::filesystem::path folder)
    : texts_(&texts), folder_(std::move(folder)) {
    form_.choice(f(F::Designation)) = model::UnitBox({"", ""});
    form_.choice(f(F::Designation)).select(1);
    for (F number : {F::Number1, F::Number2, F::Number3}) form_.choice(f(number)) = model::UnitBox({"", ""});
    form_.choice(f(F::Number1)).select(1);
}

template <class Enum>
const std::string& ZetaPresenter::text(Enum position) const {
    return lang::blockText(*texts_, kBlock, static_cast<int>(position));
}

const std::string& ZetaPresenter::title() const { return text(T::Title); }

void ZetaPresenter::show(model::Messenger& messenger) {
    form_.setCaption(f(F::MakerLabel), text(T::MakerLabel));
    form_.setCaption(f(F::FittingLabel), text(T::FittingLabel));
    form_.setCaption(f(F::SizeLabel), text(T::SizeLabel));
    form_.setCaption(f(F::ZetaLabel), text(T::ZetaLabel));
    form_.setCaption(f(F::Designation), text(T::DesignationOption));
    form_.setCaption(f(F::PumpRowsLabel), text(T::PumpRowsLabel));
    form_.setCaption(f(F::Number1), text(T::Number1));
    form_.setCaption(f(F::Number2), text(T::Number2));
    form_.setCaption(f(F::Number3), text(T::Number3));
    form_.setCaption(f(F::TakeOver), text(T::TakeOver));
    form_.setCaption(f(F::Close), texts_->text(model::GlobalText::ButtonClose));
    makers_ = zetaMakers(folder_);
    form_.choice(f(F::Maker)).refill(makers_);
    loadMaker(messenger);
}

void ZetaPresenter::loadMaker(model::Messenger& messenger) {
    fittings_.clear();
    if (!makers_.empty()) {
        const std::string& maker = makers_[static_cast<std::size_t>(form_.index(f(F::Maker)))];
        // The file as it stands in the folder (its extension in whatever case).
        std::string fileName = maker + ".ZTA";
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            if (entry.path().stem().string() == maker && upper(entry.path().extension().string()) == ".ZTA")
                fileName = entry.path().filename().string();
        try {
            for (const std::string& line : persist::DataFileSet(folder_).readPlain(fileName)) {
                if (line.empty()) continue;
                ZetaFitting fitting = parseZetaLine(line);
                if (!fitting.designation.empty()) fittings_.push_back(std::move(fitting));
            }
        } catch (const persist::DataFileError&) {
            fittings_.clear();
            messenger.show({model::MessageIcon::Warning, texts_->text(model::GlobalText::ProgramTitle),
                            text(T::FileMissing) + " " + fileName});
        }
    }
    std::vector<std::string> names;
    for (const ZetaFitting& fitting : fittings_) names.push_back(fitting.designation);
    form_.choice(f(F::Fitting)).refill(std::move(names));
    fillSizes();
}

void ZetaPresenter::fillSizes() {
    std::vector<std::string> sizes;
    const int fitting = form_.index(f(F::Fitting));
    if (fitting < static_cast<int>(fittings_.size()))
        for (const auto& [size, zeta] : fittings_[static_cast<std::size_t>(fitting)].sizes) sizes.push_back(size);
    form_.choice(f(F::Size)).refill(std::move(sizes));
    showZeta();
}

void ZetaPresenter::showZeta() {
    std::string zeta;
    const int fitting = form_.index(f(F::Fitting));
    const int size = form_.index(f(F::Size));
    if (fitting < static_cast<int>(fittings_.size())) {
        const auto& sizes = fittings_[static_cast<std::size_t>(fitting)].sizes;
        if (size < static_cast<int>(sizes.size())) zeta = sizes[static_cast<std::size_t>(size)].second;
    }
    if (!texts_->edition().decimalComma()) std::replace(zeta.begin(), zeta.end(), ',', '.');
    form_.setOutput(f(F::Zeta), zeta);
}

void ZetaPresenter::chosen(ZetaField field, model::Messenger& messenger) {
    switch (field) {
    case F::Maker: loadMaker(messenger); break;
    case F::Fitting: fillSizes(); break;
    case F::Size: showZeta(); break;
    default: break;
    }
}

bool ZetaPresenter::choose(ZetaField field, int index, model::Messenger& messenger) {
    if (!form_.choice(f(field)).select(index)) return false;
    chosen(field, messenger);
    return true;
}

ZetaValues ZetaPresenter::values() const {
    ZetaValues values;
    values.maker = form_.current(f(F::Maker));
    values.fitting = form_.current(f(F::Fitting));
    values.sizeText = form_.current(f(F::Size));
    values.zetaText = form_.output(f(F::Zeta));
    values.withDesignation = form_.index(f(F::Designation)) == 1;
    values.pumpRows = {form_.index(f(F::Number1)) == 1, form_.index(f(F::Number2)) == 1, form_.index(f(F::Number3)) == 1};
    return values;
}

}  // namespace velmora::pipedata
