#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace velmora::model {

// The kind of a pipeline element: group 1 … 13 (straight sections, inlets, changes of section, bends,
// tees, expansion joints, valves, check valves, orifices and nozzles, perforated plates, screens,
// known coefficient, height and velocity changes) and subgroup 1 … 9 within the group.
struct ElementKind {
    std::int32_t group = 1;
    std::int32_t subgroup = 1;

    // Per-kind tables are addressed by group · 9 + subgroup (10 … 126).
    constexpr int index() const { return group * 9 + subgroup; }

    friend constexpr bool operator==(const ElementKind&, const ElementKind&) = default;
};

// Size of a table addressed by ElementKind::index(): 13 × 9 kinds plus the unused low indexes.
inline constexpr int kElementKindTableSize = 13 * 9 + 9 + 1;

// Number of subgroups each group has (groups 1 … 13); 65 kinds in all.
inline constexpr std::array<int, 13> kSubgroupCounts = {6, 4, 4, 6, 8, 3, 6, 3, 7, 4, 9, 2, 3};

// True for the 65 kinds of the catalogue.
constexpr bool isKnownKind(ElementKind kind) {
    return kind.group >= 1 && kind.group <= 13 && kind.subgroup >= 1 &&
           kind.subgroup <= kSubgroupCounts[static_cast<std::size_t>(kind.group - 1)];
}

// Every kind of the catalogue, in the order group 1 … 13, subgroup 1 … 9.
inline std::vector<ElementKind> allElementKinds() {
    std::vector<ElementKind> kinds;
    for (int group = 1; group <= 13; ++group) {
        for (int subgroup = 1; subgroup <= kSubgroupCounts[static_cast<std::size_t>(group - 1)]; ++subgroup) {
            kinds.push_back({group, subgroup});
        }
    }
    return kinds;
}

}  // namespace velmora::model
