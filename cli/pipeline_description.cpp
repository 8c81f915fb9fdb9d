#include "pipeline_description.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <nlohmann/json.hpp>

#include "model/element_catalogue.h"
#include "model/unit_catalogue.h"
#include "strict_json.h"
#include "workflow/element_texts.h"

namespace velmora::cli {

namespace {

using model::Quantity;
using nlohmann::json;

// Where in the description a value stands, for messages: "medium", "element 2", …
class Place {
  public:
    explicit Place(std::string name) : name_(std::move(name)) {}
    Place key(std::string_view key) const { return Place(name_ + ", key \"" + std::string(key) + "\""); }
    Place item(std::string_view what, std::size_t index) const {
        return Place(name_ + ", " + std::string(what) + " " + std::to_string(index + 1));
    }
    [[noreturn]] void fail(const std::string& problem) const { throw PipelineError(name_ + ": " + problem); }

  private:
    std::string name_;
};

void requireObject(const json& value, const Place& place) {
    if (!value.is_object()) place.fail("expected an object");
}

void onlyKeys(const json& object, std::initializer_list<std::string_view> keys, const Place& place) {
    for (const auto& [key, value] : object.items())
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) place.fail("unknown key \"" + key + "\"");
}

// A tab, a line break or another control character: no entry takes one from the keyboard, and
// in a cell it would break the rows and columns of the printed table and of the project file.
std::optional<unsigned char> controlCharacter(const std::string& text) {
    for (const char c : text)
        if (const auto byte = static_cast<unsigned char>(c); byte < 0x20 || byte == 0x7F) return byte;
    return std::nullopt;
}

// An entry text: a string as typed, or a JSON number written as the user would type it.
std::string entryText(const json& value, const Place& place) {
    if (value.is_string()) {
        std::string text = value.get<std::string>();
        if (const auto control = controlCharacter(text)) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", *control);
            place.fail(std::string("the text holds a control character (") + code +
                       "); an entry takes no tab, line break or other control character");
        }
        return text;
    }
    if (value.is_number_integer() || value.is_number_unsigned()) return value.dump();
    if (value.is_number_float()) return value.dump();
    place.fail("expected a text (or a number)");
}

std::optional<std::string> optionalText(const json& object, std::string_view key, const Place& place) {
    const auto it = object.find(key);
    if (it == object.end()) return std::nullopt;
    return entryText(*it, place.key(key));
}

std::string joined(const std::vector<std::string>& labels) {
    std::string text;
    for (const std::string& label : labels) text += (text.empty() ? "" : ", ") + label;
    return text;
}

// A unit label of one of the lists; the message names the label and what the box offers.
std::string unitLabel(const json& object, std::string_view key, std::initializer_list<Quantity> lists,
                      const Place& place) {
    const std::string label = entryText(object.at(std::string(key)), place.key(key));
    std::vector<std::string> offered;
    for (Quantity list : lists)
        for (const std::string& item : model::unitLabels(list)) offered.push_back(item);
    if (std::find(offered.begin(), offered.end(), label) == offered.end())
        place.key(key).fail("unknown unit label \"" + label + "\" (offered: " + joined(offered) + ")");
    return label;
}

std::optional<std::string> optionalUnit(const json& object, std::string_view key,
                                        std::initializer_list<Quantity> lists, const Place& place) {
    if (!object.contains(key)) return std::nullopt;
    return unitLabel(object, key, lists, place);
}

MediumDescription readMedium(const json& object, const Place& place) {
    requireObject(object, place);
    onlyKeys(object,
             {"name", "state", "flow", "flowUnit", "density", "densityUnit", "viscosity", "viscosityUnit",
              "inletPressure", "inletPressureUnit", "inletTemperature", "inletTemperatureUnit",
              "outletTemperature", "outletTemperatureUnit"},
             place);
    MediumDescription m;
    m.name = optionalText(object, "name", place);
    if (const auto state = optionalText(object, "state", place)) {
        if (*state == "liquid")
            m.state = model::MediumState::Liquid;
        else if (*state == "gas")
            m.state = model::MediumState::Gas;
        else
            place.key("state").fail("\"" + *state + "\" is neither \"liquid\" nor \"gas\"");
    }
    m.flow = optionalText(object, "flow", place);
    m.flowUnit = optionalUnit(object, "flowUnit", {Quantity::VolumeFlow, Quantity::MassFlow}, place);
    m.density = optionalText(object, "density", place);
    m.densityUnit = optionalUnit(object, "densityUnit", {Quantity::Density}, place);
    m.viscosity = optionalText(object, "viscosity", place);
    m.viscosityUnit = optionalUnit(object, "viscosityUnit",
                                   {Quantity::DynamicViscosity, Quantity::KinematicViscosity}, place);
    m.inletPressure = optionalText(object, "inletPressure", place);
    m.inletPressureUnit = optionalUnit(object, "inletPressureUnit", {Quantity::Pressure}, place);
    m.inletTemperature = optionalText(object, "inletTemperature", place);
    m.inletTemperatureUnit = optionalUnit(object, "inletTemperatureUnit", {Quantity::Temperature}, place);
    m.outletTemperature = optionalText(object, "outletTemperature", place);
    m.outletTemperatureUnit = optionalUnit(object, "outletTemperatureUnit", {Quantity::Temperature}, place);
    return m;
}

int smallInteger(const json& value, const Place& place) {
    if (value.is_number_unsigned()) {
        if (const auto number = value.get<std::uint64_t>(); number <= 1000) return static_cast<int>(number);
    } else if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number >= -1000 && number <= 1000) return static_cast<int>(number);
    }
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        const auto digit = [](unsigned char c) { return c >= '0' && c <= '9'; };
        if (!text.empty() && text.size() <= 3 && std::all_of(text.begin(), text.end(), digit))
            return std::stoi(text);
    }
    place.fail("expected a small whole number");
}

model::ElementKind readKind(const json& object, const Place& place) {
    if (!object.contains("kind")) place.fail("no \"kind\" [group, subgroup]");
    const json& kind = object.at("kind");
    const Place at = place.key("kind");
    if (!kind.is_array() || kind.size() != 2 || !kind[0].is_number_integer() || !kind[1].is_number_integer())
        at.fail("expected [group, subgroup]");
    // Every known group and subgroup is below 100; a number beyond is unknown however large. An
    // unsigned number is read as such, so that 2^64 − 1 is not taken for −1.
    const auto part = [](const json& n) {
        if (n.is_number_unsigned()) return static_cast<int>(std::min<std::uint64_t>(n.get<std::uint64_t>(), 100));
        return static_cast<int>(std::clamp<std::int64_t>(n.get<std::int64_t>(), -1, 100));
    };
    const model::ElementKind k{part(kind[0]), part(kind[1])};
    // The message shows the numbers as written.
    if (!model::isKnownKind(k)) at.fail("unknown element kind [" + kind[0].dump() + ", " + kind[1].dump() + "]");
    return k;
}

std::string kindName(model::ElementKind kind) {
    return std::to_string(kind.group) + "/" + std::to_string(kind.subgroup);
}

std::vector<SlotEntry> readSlots(const json& object, const model::KindDescription& row,
                                 const lang::TextCatalogue& texts, const Place& place) {
    std::vector<SlotEntry> slots;
    if (!object.contains("slots")) return slots;
    const json& list = object.at("slots");
    const Place at = place.key("slots");
    if (!list.is_array()) at.fail("expected a list of [text, unit] or [text]");
    if (list.size() > row.slots.size())
        at.fail("kind " + kindName(row.kind) + " has " + std::to_string(row.slots.size()) + " slot(s), not " +
                std::to_string(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Place slotPlace = at.item("slot", i);
        const json& item = list[i];
        if (!item.is_array() || item.empty() || item.size() > 2)
            slotPlace.fail("expected [text, unit] or [text]");
        SlotEntry slot{.text = entryText(item[0], slotPlace), .unit = std::nullopt};
        if (item.size() == 2) {
            const std::string unit = entryText(item[1], slotPlace);
            const model::SlotDescription& shown = row.slots[i];
            // A unit box offers its list; a fixed unit text (degrees, %, count) is accepted as shown.
            std::vector<std::string> offered;
            if (const auto unitList = model::slotUnitList(shown.unit))
                offered = model::unitLabels(*unitList);
            else if (std::string fixed = workflow::fixedUnitText(texts, shown.unit); !fixed.empty())
                offered.push_back(std::move(fixed));
            if (offered.empty()) slotPlace.fail("the slot has no unit; write [text]");
            if (std::find(offered.begin(), offered.end(), unit) == offered.end())
                slotPlace.fail("unknown unit label \"" + unit + "\" (offered: " + joined(offered) + ")");
            if (model::slotUnitList(shown.unit)) slot.unit = unit;
        }
        slots.push_back(std::move(slot));
    }
    return slots;
}

ElementDescription readElement(const json& object, const lang::TextCatalogue& texts, const Place& place) {
    requireObject(object, place);
    onlyKeys(object,
             {"kind", "designation", "count", "slots", "roughness", "roughnessUnit", "option", "branchFlow",
              "medium"},
             place);
    ElementDescription e;
    e.kind = readKind(object, place);
    const model::KindDescription& row = model::kindDescription(e.kind);
    e.designation = optionalText(object, "designation", place);
    e.count = optionalText(object, "count", place);
    e.slots = readSlots(object, row, texts, place);

    e.roughness = optionalText(object, "roughness", place);
    e.roughnessUnit = optionalUnit(object, "roughnessUnit", {Quantity::SmallLength}, place);
    if ((e.roughness || e.roughnessUnit) && !row.roughness)
        place.fail("kind " + kindName(e.kind) + " has no roughness entry");
    if (object.contains("option")) {
        const Place at = place.key("option");
        if (!row.choice) at.fail("kind " + kindName(e.kind) + " has no two-option choice");
        const int option = smallInteger(object.at("option"), at);
        if (option != 0 && option != 1) at.fail("expected 0 (first option) or 1 (second option)");
        e.option = option;
    }
    e.branchFlow = optionalText(object, "branchFlow", place);
    if (e.branchFlow && !row.branchFlow) place.fail("kind " + kindName(e.kind) + " has no branch-flow entry");
    if (object.contains("medium")) e.medium = readMedium(object.at("medium"), place.key("medium"));
    return e;
}

void readSettings(const json& object, PipelineDescription& pipeline) {
    const Place place("settings");
    requireObject(object, place);
    onlyKeys(object, {"units", "decimals"}, place);
    if (object.contains("units")) {
        const std::string units = entryText(object.at("units"), place.key("units"));
        if (units == "metric")
            pipeline.units = model::UnitSystem::Metric;
        else if (units == "US")
            pipeline.units = model::UnitSystem::Us;
        else
            place.key("units").fail("\"" + units + "\" is neither \"metric\" nor \"US\"");
    }
    if (object.contains("decimals")) {
        const int decimals = smallInteger(object.at("decimals"), place.key("decimals"));
        if (decimals < 0 || decimals > 6) place.key("decimals").fail("expected 0 … 6");
        pipeline.decimals = decimals;
    }
}

}  // namespace

PipelineDescription readPipelineDescription(std::string_view text, const lang::TextCatalogue& texts) {
    // A description nests five levels deep; lists or objects far deeper are no description.
    constexpr int maxDepth = 64;
    json document;
    try {
        document = parseStrictJson(text, maxDepth);
    } catch (const StrictJsonError& e) {
        // Syntax errors, a NUL byte, a key given twice, too deep a nesting, and numbers beyond the
        // range of a double (1e999), which the parser reports as out of range.
        throw PipelineError(std::string("not valid JSON: ") + e.what());
    }
    const Place top("pipeline");
    requireObject(document, top);
    onlyKeys(document, {"settings", "medium", "elements"}, top);

    PipelineDescription pipeline;
    if (document.contains("settings")) readSettings(document.at("settings"), pipeline);
    if (document.contains("medium")) pipeline.medium = readMedium(document.at("medium"), Place("medium"));
    if (!document.contains("elements")) top.fail("no \"elements\" list");
    const json& elements = document.at("elements");
    if (!elements.is_array()) top.key("elements").fail("expected a list of elements");
    for (std::size_t i = 0; i < elements.size(); ++i)
        pipeline.elements.push_back(
            readElement(elements[i], texts, Place("element " + std::to_string(i + 1))));
    return pipeline;
}

}  // namespace velmora::cli
