#pragma once

// The texts of the caption-file blocks of the system characteristic curve: the value of a text is
// its line offset inside the block.
namespace velmora::model {

// Block "TAnlagenkennlinie_Dlg": the range dialog and the messages of a run.
enum class CurveRangeText : int {
    Title,
    Intro,        // what the tool does, above the entries
    FromLabel,    // "von"
    ToLabel,      // "bis"
    UnitLabel,    // flow unit of the range
    PointsLabel,  // "Anzahl Berechnungspunkte"
    Calculate,
    Cancel,
    MediumLabel,          // before the medium taken from the main form
    ComputationFailed,    // any other failure during a run (warning)
    ToNotAboveFrom,       // highest flow not greater than the lowest
    ElementFailed,        // first line: an element cannot be computed
    ElementFailedAdvice,  // second line: what to do
    NoLossMetric,         // the curve has no pressure loss (bar)
    NoLossUs,             // the same in psi
    TransitionNotice,     // the range crosses the laminar-turbulent transition
    NegativeFrom,         // the lowest flow is negative
    TooManyPoints,        // more points than a run computes
    Count
};

// Block "TKurve": the plot window, the pump curve and the exports.
enum class CurvePlotText : int {
    Title,
    Ok,
    Print,  // "Diagramm &drucken"
    Copy,   // "Werte &kopieren"
    Save,   // save the diagram as a picture
    PumpGroup,
    HeadWord,       // word for the pump head
    HeadUnitLabel,  // before the head unit box
    Load,           // load the pump points from a text file
    Draw,           // draw the pump curve from the entries
    Remove,         // remove the pump curve
    LegendSystem,
    LegendPump,
    OperatingPoint,
    PressureDifference,
    NoCrossing,          // the pump curve does not cross the system curve
    PointCount,          // 3 … 20 points
    FlowsNotIncreasing,  // the pump flows must increase from point to point
    HeadRising,          // the pump head must not rise with the flow
    NegativeHead,
    IncompleteRow,  // a point without its flow or its head
    RowWord,        // "Zeile", before a row or line number
    FileNoCurve,    // the file holds no two-column pump curve
    PumpFileFilter,
    SvgFilter,
    PdfFilter,
    PngFilter,
    SizeTitle,    // caption of the picture-size dialog
    WidthLabel,   // "Breite (Pixel):"
    HeightLabel,  // "Höhe (Pixel):"
    SaveFailed,   // the picture cannot be written; the path follows
    PumpColumn,   // copy text: column of the pump's pressure
    DensityNote,  // the head is turned into a pressure with the density that follows
    Count
};

}  // namespace velmora::model
