#include "pipedata/rectangular_pipe_presenter.h"

#include "lang/dialog_messages.h"
#include "model/global_text.h"
#include "model/number_text.h"
#include "persist/fields.h"
#include "pipedata/circular_pipe_presenter.h"
#include "pipedata/pipe_tables.h"

namespace velmora::pipedata {

namespace {
using F = RectangularPipeField;
using T = RectangularPipeText;
constexpr std::string_view kBlock = "TRechteckDlg";
int f(F field) { return static_cast<int>(field); }
const std::string kEmpty;
}  // namespace

const std::vector<RectangularStandard>& rectangularStandards() {
    static const std::vector<RectangularStandard> standards{
        {7, 17, 18, 51, false},      // EN 10305-5 (DIN 2395)
        {55, 69, 70, 86, false},     // DIN 59411
        {90, 100, 101, 109, false},  // BS 6363
        {138, 152, 153, 257, true},  // DIN 24190 ducts, inside dimensions
        {116, 125, 126, 131, false}, // ASTM A-500
    };
    return standards;
}

std::vector<std::string> readRectangularPipeFile(const persist::DataFileSet& files, bool decimalComma) {
    return readPipeFile(files, rectangularFileName, decimalComma);
}

RectangularPipePresenter::RectangularPipePresenter(const lang::TextCatalogue& texts) : texts_(&texts) { show(); }

template <class Enum>
const std::string& RectangularPipePresenter::text(Enum position) const {
    return lang::blockText(*texts_, kBlock, static_cast<int>(position));
}

const std::string& RectangularPipePresenter::title() const { return text(T::Title); }

void RectangularPipePresenter::show() {
    std::vector<std::string> names;
    for (int i = 0; i < 5; ++i) names.push_back(text(static_cast<int>(T::Standard1) + i));
    form_.choice(f(F::Standard)).refillKeepingIndex(std::move(names));
    form_.choice(f(F::Shape)).refillKeepingIndex({text(T::Square), text(T::Rectangular)});
    form_.setCaption(f(F::StandardLabel), text(T::StandardLabel));
    form_.setCaption(f(F::ShapeLabel), text(T::ShapeLabel));
    form_.setCaption(f(F::WallLabel), text(T::WallThickness) + ":");
    form_.setCaption(f(F::InsideWidthLabel), text(T::InsideWidth) + ":");
    form_.setCaption(f(F::InsideHeightLabel), text(T::InsideHeight) + ":");
    form_.setCaption(f(F::MassLabel), text(T::Mass) + ":");
    form_.setCaption(f(F::TakeOver), text(T::TakeOver));
    form_.setCaption(f(F::Hint), text(T::Hint));
    form_.setCaption(f(F::Close), texts_->text(model::GlobalText::ButtonClose));
}

void RectangularPipePresenter::load(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    loaded_ = true;
    fillSizes();
}

const std::string& RectangularPipePresenter::line(int size) const {
    if (size < 0 || size >= static_cast<int>(sizeLines_.size())) return kEmpty;
    const int number = sizeLines_[static_cast<std::size_t>(size)];
    return number <= static_cast<int>(lines_.size()) ? lines_[static_cast<std::size_t>(number - 1)] : kEmpty;
}

void RectangularPipePresenter::fillSizes() {
    const RectangularStandard& standard = rectangularStandards()[static_cast<std::size_t>(form_.index(f(F::Standard)))];
    const bool square = form_.index(f(F::Shape)) == 0;
    const int first = square ? standard.squareFirst : standard.rectangularFirst;
    int last = square ? standard.squareLast : standard.rectangularLast;
    // Unused lines at the end of a block are not sizes.
    while (last >= first && (last > static_cast<int>(lines_.size()) || lines_[static_cast<std::size_t>(last - 1)].empty()))
        --last;
    sizeLines_.clear();
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) {
        sizeLines_.push_back(n);
        const std::string& l = lines_[static_cast<std::size_t>(n - 1)];
        items.push_back(std::string(persist::field(l, 2)) + " x " + std::string(persist::field(l, 3)));
    }
    form_.choice(f(F::Size)).refill(std::move(items));
    form_.setCaption(f(F::SizeLabel), (standard.insideDimensions ? text(T::InsideSize) : text(T::OutsideSize)) + ":");
    fillWalls();
}

void RectangularPipePresenter::fillWalls() {
    const std::string& l = line(form_.index(f(F::Size)));
    std::vector<std::string> walls;
    for (int n = 4; n <= 9; ++n) {
        const std::string_view w = persist::field(l, n);
        if (!w.empty()) walls.emplace_back(w);
    }
    form_.choice(f(F::Wall)).refill(std::move(walls));
    compute();
}

std::string RectangularPipePresenter::write(double value, int decimals) const {
    return model::writeNumber(value, decimals, texts_->edition().decimalComma());
}

void RectangularPipePresenter::compute() {
    form_.clearOutputs({f(F::InsideWidthMm), f(F::InsideWidthIn), f(F::InsideHeightMm), f(F::InsideHeightIn),
                        f(F::MassKg), f(F::MassLb)});
    const std::string& l = line(form_.index(f(F::Size)));
    const auto w = model::readNumber(persist::field(l, 2));
    const auto h = model::readNumber(persist::field(l, 3));
    const auto s = model::readNumber(form_.current(f(F::Wall)));
    if (l.empty() || form_.current(f(F::Wall)).empty() || !w || !h || !s) return;
    const bool inside = rectangularStandards()[static_cast<std::size_t>(form_.index(f(F::Standard)))].insideDimensions;
    // Ducts are listed by their inside dimensions; hollow sections by their outside ones.
    const double b = static_cast<double>(inside ? *w : *w - 2 * *s);
    const double hi = static_cast<double>(inside ? *h : *h - 2 * *s);
    const double wall = static_cast<double>(*s);
    if (b <= 0 || hi <= 0) return;
    form_.setOutput(f(F::InsideWidthMm), write(b, 1) + " mm");
    form_.setOutput(f(F::InsideWidthIn), write(b / 25.4, 3) + " in.");
    form_.setOutput(f(F::InsideHeightMm), write(hi, 1) + " mm");
    form_.setOutput(f(F::InsideHeightIn), write(hi / 25.4, 3) + " in.");
    const double kg = ((b + 2 * wall) * (hi + 2 * wall) - b * hi) / 1000 / 1000 * density;
    const int decimals = massDecimals(kg);
    form_.setOutput(f(F::MassKg), write(kg, decimals) + " kg/m");
    form_.setOutput(f(F::MassLb), write(kg * 0.3048 / 0.4536, decimals) + " lb/ft");
}

void RectangularPipePresenter::chosen(RectangularPipeField field) {
    switch (field) {
    case F::Standard:
    case F::Shape: fillSizes(); break;
    case F::Size: fillWalls(); break;
    case F::Wall: compute(); break;
    default: break;
    }
}

bool RectangularPipePresenter::choose(RectangularPipeField field, int index) {
    if (!form_.choice(f(field)).select(index)) return false;
    chosen(field);
    return true;
}

namespace {
std::string numberPart(const std::string& output) {
    const std::size_t blank = output.rfind(' ');
    return blank == std::string::npos ? output : output.substr(0, blank);
}
}  // namespace

PipeValues RectangularPipePresenter::values() const {
    PipeValues values;
    values.rectangular = true;
    values.inside = {numberPart(form_.output(f(F::InsideWidthMm))), numberPart(form_.output(f(F::InsideWidthIn)))};
    values.insideHeight = {numberPart(form_.output(f(F::InsideHeightMm))), numberPart(form_.output(f(F::InsideHeightIn)))};
    values.designation = form_.current(f(F::Standard));
    return values;
}

model::UserMessage RectangularPipePresenter::hintMessage() const {
    return {model::MessageIcon::Information, texts_->text(model::GlobalText::InformationCaption),
            text(T::HintLine) + " 7850 kg/m³"};
}

}  // namespace velmora::pipedata
