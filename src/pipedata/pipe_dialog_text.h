#pragma once

// The texts of the circular pipe dialog's block "TRohrDlg" in the caption file, by their line
// offset inside the block.
namespace velmora::pipedata {

enum class CircularPipeText : int {
    Title,           // "Rohrtabellen kreisförmig"
    PageEuropean,    // page: European standards
    PageAmerican,    // page: American standards
    PageOther,       // page: other standards
    MaterialLabel,   // "Werkstoff:"
    Steel,           // "Stahl"
    Plastic,         // "Kunststoff"
    NonFerrous,      // "Nichteisenmetall"
    StandardLabel,   // "Norm:"
    NominalSize,     // the word for nominal size: "Nennweite"
    OutsideDiameter, // "Außendurchmesser"
    NominalPressure, // the word for nominal pressure: "Nenndruck"
    Series,          // the word for a diameter series: "Reihe"
    WallThickness,   // "Wanddicke"
    Schedule,        // caption of the schedule list: "Sched. No."
    InsideDiameter,  // "Innendurchmesser"
    Mass,            // "Masse"
    NotAvailable,    // shown for a class not made in a size: "nicht lieferbar"
    TakeOver,        // button: "Werte &übernehmen"
    Hint,            // button: "&Hinweis"
    HintLine1,       // the nine lines of the hint box
    HintLine9 = HintLine1 + 8,
    EuropeanName1,   // the 37 names of the European page's standards, then their short designations
    EuropeanDesignation1 = EuropeanName1 + 37,
    AmericanName1 = EuropeanDesignation1 + 37,
    AmericanDesignation1 = AmericanName1 + 12,
    OtherName1 = AmericanDesignation1 + 12,
    OtherDesignation1 = OtherName1 + 3,
    NominalPipeSize = OtherDesignation1 + 3,  // size caption of the American page: "NPS"
    Count
};

}  // namespace velmora::pipedata
