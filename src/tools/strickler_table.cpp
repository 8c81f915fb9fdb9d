#include <array>
#include <span>
#include <vector>

#include "tools/channel_presenters.h"

namespace velmora::tools {

namespace {

// The texts of the block "TDabaStricklerDlg".
enum class StricklerText { Title, TypeLabel, SurfaceLabel, ValueLabel, Type1, Surface1 = Type1 + 7 };

// Strickler coefficients kSt in m^(1/3)/s of each channel type's surfaces, in list order; a range
// gives its lower and upper value. The surface names are the block's texts in the same order.
constexpr std::array<const char*, 11> kType1 = {"100", "90-100", "90-95", "90", "80-90", "65-70",
                                                "60-65", "60",     "50-60", "55", "50"};
constexpr std::array<const char*, 3> kType2 = {"90-95", "90", "65-70"};
constexpr std::array<const char*, 9> kType3 = {"60", "50", "45-50", "45", "40", "35", "30", "25-30", "20-25"};
constexpr std::array<const char*, 3> kType4 = {"25-30", "20-25", "15-20"};
constexpr std::array<const char*, 6> kType5 = {"80", "70-80", "60", "60", "50", "45-50"};
constexpr std::array<const char*, 4> kType6 = {"95", "90", "80", "65-70"};
constexpr std::array<const char*, 7> kType7 = {"40", "33-35", "30-35", "30", "28", "25-28", "19-22"};

const std::array<std::span<const char* const>, 7> kTypes = {kType1, kType2, kType3, kType4,
                                                            kType5, kType6, kType7};

// The position of a type's first surface name in the block.
int firstSurfaceText(int type) {
    int position = static_cast<int>(StricklerText::Surface1);
    for (int t = 0; t < type; ++t) position += static_cast<int>(kTypes[static_cast<std::size_t>(t)].size());
    return position;
}

}  // namespace

int StricklerTablePresenter::typeCount() { return static_cast<int>(kTypes.size()); }

int StricklerTablePresenter::surfaceCount(int type) {
    return static_cast<int>(kTypes.at(static_cast<std::size_t>(type)).size());
}

const char* StricklerTablePresenter::coefficient(int type, int surface) {
    return kTypes.at(static_cast<std::size_t>(type)).data()[surface];
}

StricklerTablePresenter::StricklerTablePresenter(const lang::TextCatalogue& texts)
    : ToolPresenter(texts, "TDabaStricklerDlg") {
    form_.choice(Type) = model::UnitBox(std::vector<std::string>(kTypes.size()));
}

void StricklerTablePresenter::shown() {
    std::vector<std::string> types;
    for (int t = 0; t < typeCount(); ++t) types.push_back(text(static_cast<int>(StricklerText::Type1) + t));
    form_.choice(Type).refillKeepingIndex(std::move(types));
    form_.setCaption(TypeLabel, text(StricklerText::TypeLabel));
    form_.setCaption(SurfaceLabel, text(StricklerText::SurfaceLabel));
    form_.setCaption(ValueLabel, text(StricklerText::ValueLabel));
    form_.setCaption(TakeOver, global(model::GlobalText::ButtonTakeOver));
    form_.setCaption(Close, global(model::GlobalText::ButtonClose));
    const int surface = form_.index(Surface);
    fillSurfaces();
    form_.choice(Surface).select(surface);
    form_.setOutput(Value, coefficient(form_.index(Type), form_.index(Surface)));
}

void StricklerTablePresenter::fillSurfaces() {
    const int type = form_.index(Type);
    std::vector<std::string> surfaces;
    for (int s = 0; s < surfaceCount(type); ++s) surfaces.push_back(text(firstSurfaceText(type) + s));
    form_.choice(Surface).refill(std::move(surfaces));
}

void StricklerTablePresenter::chosen(int field) {
    if (field == Type) fillSurfaces();
    form_.setOutput(Value, coefficient(form_.index(Type), form_.index(Surface)));
}

std::string StricklerTablePresenter::takeOver() const {
    const std::string& shown = form_.output(Value);
    return shown.substr(0, shown.find('-'));
}

}  // namespace velmora::tools
