#include "pipedata/circular_pipe_presenter.h"

#include <cmath>
#include <numbers>

#include "lang/dialog_messages.h"
#include "model/global_text.h"
#include "model/number_text.h"

namespace velmora::pipedata {

namespace {

using F = CircularPipeField;
using T = CircularPipeText;
constexpr std::string_view kBlock = "TRohrDlg";
int f(F field) { return static_cast<int>(field); }

// Pounds per foot from kilograms per metre.
double poundsPerFoot(double kgPerMetre) { return kgPerMetre * 0.3048 / 0.4536; }

}  // namespace

int massDecimals(double kgPerMetre) {
    if (kgPerMetre >= 100) return 0;
    if (kgPerMetre >= 1) return 1;
    return 2;
}

CircularPipeFiles readCircularPipeFiles(const persist::DataFileSet& files, bool decimalComma) {
    return {readPipeFile(files, pipeFileName(PipePage::European), decimalComma),
            readPipeFile(files, pipeFileName(PipePage::American), decimalComma),
            readPipeFile(files, pipeFileName(PipePage::Other), decimalComma)};
}

CircularPipePresenter::CircularPipePresenter(const lang::TextCatalogue& texts) : texts_(&texts) {
    form_.choice(f(F::Page)) = model::UnitBox({"", "", ""});
    form_.choice(f(F::Material)) = model::UnitBox({"", "", ""});
    show();
}

template <class Enum>
const std::string& CircularPipePresenter::text(Enum position) const {
    return lang::blockText(*texts_, kBlock, static_cast<int>(position));
}

const std::string& CircularPipePresenter::title() const { return text(T::Title); }

std::string CircularPipePresenter::standardName(PipePage page, int number) const {
    const T first = page == PipePage::European ? T::EuropeanName1
                    : page == PipePage::American ? T::AmericanName1
                                                 : T::OtherName1;
    return text(static_cast<int>(first) + number - 1);
}

std::string CircularPipePresenter::designation(PipePage page, int number) const {
    const T first = page == PipePage::European ? T::EuropeanDesignation1
                    : page == PipePage::American ? T::AmericanDesignation1
                                                 : T::OtherDesignation1;
    return text(static_cast<int>(first) + number - 1);
}

void CircularPipePresenter::show() {
    form_.choice(f(F::Page)).refillKeepingIndex({text(T::PageEuropean), text(T::PageAmerican), text(T::PageOther)});
    form_.choice(f(F::Material)).refillKeepingIndex({text(T::Steel), text(T::Plastic), text(T::NonFerrous)});
    form_.setCaption(f(F::MaterialLabel), text(T::MaterialLabel));
    form_.setCaption(f(F::StandardLabel), text(T::StandardLabel));
    form_.setCaption(f(F::OutsideLabel), text(T::OutsideDiameter) + ":");
    form_.setCaption(f(F::WallLabel), text(T::WallThickness) + ":");
    form_.setCaption(f(F::InsideMmLabel), text(T::InsideDiameter) + ":");
    form_.setCaption(f(F::InsideInLabel), text(T::InsideDiameter) + ":");
    form_.setCaption(f(F::MassKgLabel), text(T::Mass) + ":");
    form_.setCaption(f(F::MassLbLabel), text(T::Mass) + ":");
    form_.setCaption(f(F::TakeOver), text(T::TakeOver));
    form_.setCaption(f(F::Hint), text(T::Hint));
    form_.setCaption(f(F::Close), texts_->text(model::GlobalText::ButtonClose));
}

void CircularPipePresenter::load(CircularPipeFiles files) {
    files_ = std::move(files);
    loaded_ = true;
    form_.choice(f(F::Page)).select(0);
    form_.choice(f(F::Material)).select(0);
    fillStandards();
}

const std::vector<std::string>& CircularPipePresenter::lines(PipePage page) const {
    switch (page) {
    case PipePage::European: return files_.european;
    case PipePage::American: return files_.american;
    case PipePage::Other: return files_.other;
    }
    return files_.other;
}

// The page's standards (on the European page those of the chosen material) that the file holds.
void CircularPipePresenter::fillStandards() {
    const PipePage p = page();
    const auto material = static_cast<PipeMaterial>(form_.index(f(F::Material)));
    offered_.clear();
    std::vector<std::string> names;
    const auto standards = pipeStandards(p);
    for (std::size_t i = 0; i < standards.size(); ++i) {
        if (p == PipePage::European && standards[i].material != material) continue;
        if (PipeBlock(lines(p), standards[i]).empty()) continue;
        offered_.push_back(static_cast<int>(i));
        names.push_back(standardName(p, standards[i].number));
    }
    form_.setVisible(f(F::Material), p == PipePage::European);
    form_.setVisible(f(F::MaterialLabel), p == PipePage::European);
    form_.choice(f(F::Standard)).refill(std::move(names));
    fillStandard();
}

void CircularPipePresenter::fillStandard() {
    const int chosen = form_.index(f(F::Standard));
    if (offered_.empty() || chosen >= static_cast<int>(offered_.size())) {
        block_.reset();
        form_.choice(f(F::Size)).refill({});
        form_.choice(f(F::Class)).refill({});
        compute();
        return;
    }
    const PipePage p = page();
    block_.emplace(lines(p), pipeStandards(p)[static_cast<std::size_t>(offered_[static_cast<std::size_t>(chosen)])]);
    const PipeLayout layout = block_->standard().layout;
    form_.choice(f(F::Size)).refill(block_->sizeItems());
    std::string sizeCaption;
    std::string classCaption;
    switch (layout) {
    case PipeLayout::NominalPressure:
        sizeCaption = text(T::NominalSize) + " DN";
        classCaption = text(T::NominalPressure) + " PN";
        break;
    case PipeLayout::Sdr:
        sizeCaption = text(T::NominalSize) + " DN";
        classCaption = "SDR";
        break;
    case PipeLayout::WallOnly: sizeCaption = text(T::NominalSize) + " DN"; break;
    case PipeLayout::Schedule:
        sizeCaption = text(T::NominalPipeSize);
        classCaption = text(T::Schedule);
        break;
    case PipeLayout::OdAndSeries:
    case PipeLayout::OdAndWalls:
    case PipeLayout::NominalOd:
        sizeCaption = text(T::OutsideDiameter);
        classCaption = text(T::WallThickness);
        break;
    }
    if (p == PipePage::American && layout == PipeLayout::WallOnly) sizeCaption = text(T::NominalPipeSize);
    form_.setCaption(f(F::SizeLabel), sizeCaption + ":");
    form_.setCaption(f(F::ClassLabel), classCaption + ":");
    const bool second = hasSecondList(layout);
    form_.setVisible(f(F::Class), second);
    form_.setVisible(f(F::ClassLabel), second);
    form_.setVisible(f(F::Series), layout == PipeLayout::OdAndSeries);
    fillClasses();
}

void CircularPipePresenter::fillClasses() {
    if (!block_ || block_->empty()) {
        form_.choice(f(F::Class)).refill({});
        compute();
        return;
    }
    const int size = form_.index(f(F::Size));
    const PipeLayout layout = block_->standard().layout;
    // The classes of a heading stay chosen from size to size; a line's own thicknesses start anew.
    if (layout == PipeLayout::OdAndSeries || layout == PipeLayout::OdAndWalls)
        form_.choice(f(F::Class)).refill(block_->classItems(size));
    else
        form_.choice(f(F::Class)).refillKeepingIndex(block_->classItems(size));
    const std::string series = block_->series(size);
    form_.setOutput(f(F::Series), series.empty() ? "" : text(T::Series) + " " + series);
    compute();
}

std::string CircularPipePresenter::write(double value, int decimals) const {
    return model::writeNumber(value, decimals, texts_->edition().decimalComma());
}

void CircularPipePresenter::compute() {
    const std::vector<int> results{f(F::Wall), f(F::InsideMm), f(F::InsideIn), f(F::MassKg), f(F::MassLb)};
    form_.clearOutputs({f(F::Outside), f(F::Wall), f(F::InsideMm), f(F::InsideIn), f(F::MassKg), f(F::MassLb)});
    if (!block_ || block_->empty()) return;
    const int size = form_.index(f(F::Size));
    const bool inches = block_->standard().layout == PipeLayout::Schedule || page() == PipePage::American;
    const std::string unit = inches ? " in." : " mm";
    const std::string outside = block_->outsideDiameter(size);
    const std::string wall = block_->wallThickness(size, form_.index(f(F::Class)));
    form_.setOutput(f(F::Outside), outside + unit);
    const auto d = model::readNumber(outside);
    const auto s = model::readNumber(wall);
    if (wall.empty() || !d || !s || *d <= 0 || *s <= 0 || *d - 2 * *s <= 0) {
        for (int field : results) form_.setOutput(field, text(T::NotAvailable));
        return;
    }
    form_.setOutput(f(F::Wall), wall + unit);
    const double doMm = static_cast<double>(inches ? *d * 25.4L : *d);
    const double insideMm = static_cast<double>(inches ? (*d - 2 * *s) * 25.4L : *d - 2 * *s);
    const double insideIn = static_cast<double>(inches ? *d - 2 * *s : (*d - 2 * *s) / 25.4L);
    form_.setOutput(f(F::InsideMm), write(insideMm, 1) + " mm");
    form_.setOutput(f(F::InsideIn), write(insideIn, 3) + " in.");
    const double kg = (std::pow(doMm / 1000, 2) - std::pow(insideMm / 1000, 2)) * block_->standard().density *
                      std::numbers::pi / 4;
    const int decimals = massDecimals(kg);
    form_.setOutput(f(F::MassKg), write(kg, decimals) + " kg/m");
    form_.setOutput(f(F::MassLb), write(poundsPerFoot(kg), decimals) + " lb/ft");
}

void CircularPipePresenter::chosen(CircularPipeField field) {
    switch (field) {
    case F::Page:
    case F::Material: fillStandards(); break;
    case F::Standard: fillStandard(); break;
    case F::Size: fillClasses(); break;
    case F::Class: compute(); break;
    default: break;
    }
}

bool CircularPipePresenter::choose(CircularPipeField field, int index) {
    if (!form_.choice(f(field)).select(index)) return false;
    chosen(field);
    return true;
}

namespace {
// The number of an output "21,3 mm" without its unit; the not-available text as it stands.
std::string numberPart(const std::string& output) {
    const std::size_t blank = output.rfind(' ');
    if (blank == std::string::npos) return output;
    const std::string unit = output.substr(blank + 1);
    return unit == "mm" || unit == "in." ? output.substr(0, blank) : output;
}
}  // namespace

PipeValues CircularPipePresenter::values() const {
    PipeValues values;
    values.inside.mm = numberPart(form_.output(f(F::InsideMm)));
    values.inside.inch = numberPart(form_.output(f(F::InsideIn)));
    if (block_) values.designation = designation(page(), block_->standard().number);
    return values;
}

model::UserMessage CircularPipePresenter::hintMessage() const {
    std::string lines;
    for (int i = 0; i < 9; ++i) {
        if (i) lines += '\r';
        lines += text(static_cast<int>(T::HintLine1) + i);
    }
    return {model::MessageIcon::Information, texts_->text(model::GlobalText::InformationCaption), lines};
}

}  // namespace velmora::pipedata
