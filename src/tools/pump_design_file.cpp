#include <algorithm>
#include <array>

#include "lang/dialog_messages.h"
#include "model/unit_catalogue.h"
#include "model/number_text.h"
#include "persist/replacement_file.h"
#include "persist/windows1252.h"
#include "tools/pump_design_presenter.h"

// The pump design file (*.psa): 70 plain-text lines ending CR LF, first line "PSA 6.2", one value
// per line, entries stored exactly as typed and units by their labels. The words of lines 7, 9,
// 11, 13 and 16 are written in German, whatever the edition; the reader also knows the words other
// editions have written there.
namespace velmora::tools {

using model::GlobalText;
using model::MessageIcon;

namespace {

constexpr int kLineCount = 70;
constexpr const char* kVolumeWord = "Volumenstrom:";
constexpr const char* kMassWord = "Massenstrom";
constexpr const char* kDynamicWord = "Dyn.Viskos.";
constexpr const char* kKinematicWord = "Kin.Viskos.";

std::string oneLine(std::string text) {
    // A line break inside an entry would shift every following line of the file.
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Line 7: the flow word of any edition, as German. Longer words before the ones they contain.
bool isVolumeFlowWord(std::string line) {
    for (const char* word : {"Vol.strom", "Volume flow", "Débit volumique", "Débit vol.", "Volumestroom", "Vol.stroom"})
        replaceAll(line, word, "Volumenstrom");
    for (const char* word : {"Ma.strom", "Mass flow", "Débit massique", "Débit mass.", "Massastroom"})
        replaceAll(line, word, "Massenstrom");
    line.erase(std::remove(line.begin(), line.end(), ' '), line.end());  // "Débit volumique :"
    return line == kVolumeWord;
}

// Line 11: the dynamic-viscosity word of any edition.
bool isDynamicViscosityWord(const std::string& line) {
    const std::string word = trimmed(line);
    for (const char* dynamic : {kDynamicWord, "Dyn.viscos.", "Visc.dyn.", "Abs.viscos", "Viscosité dynamique"})
        if (word == dynamic) return true;
    return false;
}

// "1,5 10-6 kg/ms": the value and the unit, the unit being the longest label of the list that
// ends the line after a blank (labels hold blanks, and so may a typed number).
std::pair<std::string, std::string> splitValueUnit(const std::string& line, const std::vector<std::string>& units) {
    std::string best;
    for (const std::string& unit : units) {
        const std::string tail = " " + unit;
        if (line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0 &&
            unit.size() > best.size())
            best = unit;
    }
    if (!best.empty()) return {line.substr(0, line.size() - best.size() - 1), best};
    const auto blank = line.find(' ');
    if (blank == std::string::npos) return {line, ""};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

std::vector<std::string> fileLines(const std::string& content) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : content) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    return lines;
}

}  // namespace

std::string PumpDesignPresenter::fileContent() const {
    std::vector<std::string> lines;
    const auto add = [&lines](const std::string& text) { lines.push_back(oneLine(text)); };
    add("PSA 6.2");
    add(us() ? "I" : "M");
    add(form_.text(PumpName));
    add(form_.text(Roughness));
    add(std::to_string(form_.index(RoughnessUnit)));
    add(form_.text(MediumName));
    add(form_.index(FlowQuantity) == 1 ? kMassWord : kVolumeWord);
    add(form_.text(Flow) + " " + form_.current(FlowUnit));
    add("Dichte:");
    add(form_.text(Density) + " " + form_.current(DensityUnit));
    add(form_.index(ViscosityQuantity) == 1 ? kKinematicWord : kDynamicWord);
    add(form_.text(Viscosity) + " " + form_.current(ViscosityUnit));
    add("Temperatur:");
    add(form_.text(Temperature));
    add(form_.caption(TemperatureUnit));
    add("Dampfdruck:");
    add(form_.text(Vapour));
    add(form_.current(VapourUnit));
    for (PumpSide side : {PumpSide::Suction, PumpSide::Discharge}) {
        for (auto [entry, unit] : {std::pair{TankPressure, TankUnit}, std::pair{Height, HeightUnit},
                                   std::pair{Diameter, DiameterUnit}, std::pair{Length, LengthUnit}}) {
            add(form_.text(sideField(side, entry)));
            add(form_.current(sideField(side, unit)));
        }
        for (int f = 0; f < kPumpFittingCount; ++f) add(form_.text(sideField(side, FittingCount0 + f)));
        for (int e = 0; e < kPumpFurtherCount; ++e) {
            add(form_.text(furtherField(side, FurtherCount0, e)));
            add(form_.text(furtherField(side, FurtherName0, e)));
            add(form_.text(furtherField(side, FurtherLoss0, e)));
            add(form_.text(furtherField(side, FurtherZeta0, e)));
        }
    }
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    return content;
}

bool PumpDesignPresenter::readContent(const std::string& content, const std::string& fileName,
                                      model::Messenger& messenger) {
    const std::vector<std::string> lines = fileLines(content);
    int missing = 0;  // the first line needed that the file lacks
    const auto line = [&](int n) -> std::optional<std::string> {
        if (n > static_cast<int>(lines.size())) {
            missing = n;
            return std::nullopt;
        }
        return lines[static_cast<std::size_t>(n - 1)];
    };
    const auto fail = [&](int n) {
        const bool shortFile = missing != 0;
        messenger.show({.icon = MessageIcon::Warning,
                        .caption = global(GlobalText::WarningCaption),
                        .text = text(shortFile ? T::FileTooShort : T::FileOpenFailed) + "\r" + fileName +
                                (shortFile ? "" : " (" + std::to_string(n) + ")")});
        return false;
    };
    // Every number text takes the decimal separator of the edition in use.
    const auto numberText = [this](std::string text) {
        if (decimalComma())
            std::replace(text.begin(), text.end(), '.', ',');
        else
            std::replace(text.begin(), text.end(), ',', '.');
        return text;
    };
    const auto setNumber = [&](int entry, int n) {
        const auto value = line(n);
        if (!value) return false;
        form_.setText(entry, numberText(*value));
        return true;
    };
    const auto setText = [&](int entry, int n) {
        const auto value = line(n);
        if (!value) return false;
        form_.setText(entry, *value);
        return true;
    };
    // A unit is selected by its exact label; a label the list does not hold is a damaged file,
    // since the value would otherwise be read in whatever unit happened to be selected.
    const auto selectUnit = [&](int box, const std::string& label) { return form_.choice(box).selectLabel(label); };
    const auto valueWithUnit = [&](int entry, int box, int n) {
        const auto value = line(n);
        if (!value) return false;
        const auto [number, unit] = splitValueUnit(*value, form_.choice(box).items());
        form_.setText(entry, numberText(number));
        return selectUnit(box, unit);
    };

    if (!line(1) || !line(2) || !setText(PumpName, 3) || !setNumber(Roughness, 4)) return fail(missing);
    const auto roughnessUnit = line(5);
    if (!roughnessUnit) return fail(5);
    const auto roughnessIndex = model::readNumber(*roughnessUnit);
    if (!roughnessIndex || !form_.choice(RoughnessUnit).select(static_cast<int>(*roughnessIndex))) return fail(5);
    if (!setText(MediumName, 6)) return fail(6);
    const auto flowWord = line(7);
    if (!flowWord) return fail(7);
    const bool mass = !isVolumeFlowWord(*flowWord);
    form_.choice(FlowQuantity).select(mass ? 1 : 0);
    form_.choice(FlowUnit).refill(mass ? model::unitLabels(model::Quantity::MassFlow) : [] {
        std::vector<std::string> units;
        for (const std::string& label : model::unitLabels(model::Quantity::VolumeFlow))
            if (!model::isNormFlowUnit(label)) units.push_back(label);
        return units;
    }());
    if (!valueWithUnit(Flow, FlowUnit, 8)) return fail(8);
    if (!line(9)) return fail(9);
    if (!valueWithUnit(Density, DensityUnit, 10)) return fail(10);
    const auto viscosityWord = line(11);
    if (!viscosityWord) return fail(11);
    const bool kinematic = !isDynamicViscosityWord(*viscosityWord);
    form_.choice(ViscosityQuantity).select(kinematic ? 1 : 0);
    form_.choice(ViscosityUnit)
        .refill(model::unitLabels(kinematic ? model::Quantity::KinematicViscosity : model::Quantity::DynamicViscosity));
    if (!valueWithUnit(Viscosity, ViscosityUnit, 12)) return fail(12);
    if (!line(13) || !setNumber(Temperature, 14)) return fail(missing);
    const auto temperatureUnit = line(15);
    if (!temperatureUnit) return fail(15);
    form_.setCaption(TemperatureLabel, global(GlobalText::WordTemperature) + ":");
    form_.setCaption(TemperatureUnit, *temperatureUnit);
    form_.setCaption(VapourLabel, global(GlobalText::WordVapourPressure) + ":");
    if (!line(16) || !setNumber(Vapour, 17)) return fail(missing);
    const auto vapourUnit = line(18);
    if (!vapourUnit) return fail(18);
    if (!selectUnit(VapourUnit, *vapourUnit)) return fail(18);

    int n = 19;
    for (PumpSide side : {PumpSide::Suction, PumpSide::Discharge}) {
        for (auto [entry, unit] : {std::pair{TankPressure, TankUnit}, std::pair{Height, HeightUnit},
                                   std::pair{Diameter, DiameterUnit}, std::pair{Length, LengthUnit}}) {
            if (!setNumber(sideField(side, entry), n)) return fail(n);
            const auto label = line(n + 1);
            if (!label) return fail(n + 1);
            if (!selectUnit(sideField(side, unit), *label)) return fail(n + 1);
            n += 2;
        }
        for (int f = 0; f < kPumpFittingCount; ++f, ++n)
            if (!setText(sideField(side, FittingCount0 + f), n)) return fail(n);
        for (int e = 0; e < kPumpFurtherCount; ++e, n += 4) {
            if (!setText(furtherField(side, FurtherCount0, e), n) || !setText(furtherField(side, FurtherName0, e), n + 1) ||
                !setNumber(furtherField(side, FurtherLoss0, e), n + 2) ||
                !setNumber(furtherField(side, FurtherZeta0, e), n + 3))
                return fail(missing);
        }
        showLossUnitLabel(side);
    }
    fileName_ = fileName;
    setTitle();
    return true;
}

// ---- holding, saving and opening ------------------------------------------------------------------

bool PumpDesignPresenter::saveAs(const std::filesystem::path& path, model::Messenger& messenger,
                                 persist::FileOps& ops) {
    const std::string bytes = persist::utf8ToWindows1252Lossy(fileContent());
    try {
        if (held_ && std::filesystem::weakly_canonical(held_->path()) == std::filesystem::weakly_canonical(path)) {
            held_->replaceContent(bytes, ops);
        } else {
            persist::LockedFile created = persist::LockedFile::create(path, bytes, ops);
            held_ = std::move(created);  // the earlier file is let go only now
        }
    } catch (const persist::FileAccessError& e) {
        messenger.show({.icon = MessageIcon::Warning,
                        .caption = global(GlobalText::WarningCaption),
                        .text = text(e.kind() == persist::FileAccessError::Kind::Locked ? T::FileLocked
                                                                                         : T::FileSaveFailed) +
                                "\r" + path.string()});
        return false;
    } catch (const persist::FileWriteError& e) {
        messenger.show({.icon = MessageIcon::Warning,
                        .caption = global(GlobalText::WarningCaption),
                        .text = text(T::FileSaveFailed) + "\r" + path.string() + "\r" + e.reason()});
        return false;
    }
    filePath_ = path;
    fileName_ = path.filename().string();
    setTitle();
    return true;
}

bool PumpDesignPresenter::save(model::Messenger& messenger, persist::FileOps& ops) {
    if (!held_ && filePath_.empty()) return false;
    // The window was closed and opened again: the named file is taken up again and overwritten.
    return saveAs(held_ ? held_->path() : filePath_, messenger, ops);
}

bool PumpDesignPresenter::open(const std::filesystem::path& path, model::Messenger& messenger) {
    held_.reset();
    std::string content;
    try {
        persist::LockedFile file = persist::LockedFile::open(path);
        content = persist::windows1252ToUtf8(file.readAll());
        held_ = std::move(file);
    } catch (const persist::FileAccessError& e) {
        messenger.show({.icon = MessageIcon::Warning,
                        .caption = global(GlobalText::WarningCaption),
                        .text = text(e.kind() == persist::FileAccessError::Kind::Locked ? T::FileLocked
                                                                                         : T::FileOpenFailed) +
                                "\r" + path.string()});
        return false;
    }
    if (!readContent(content, path.filename().string(), messenger)) {
        // The title names no file after a failed load, so none is held either.
        held_.reset();
        return false;
    }
    filePath_ = path;
    return true;
}

}  // namespace velmora::tools
