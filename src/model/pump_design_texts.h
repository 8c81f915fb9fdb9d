#pragma once

// The texts of the caption-file blocks of the pump quick design, its output window and the NPSH
// dialog: the value of a text is its line offset inside the block.
namespace velmora::model {

// Block "TPSchnellAuslegung": the design window.
enum class PumpDesignText : int {
    Title,
    MediumPanel,
    MediumLabel,
    FlowVolume,  // flow quantity choice, volume flow
    FlowMass,
    DensityLabel,
    ViscosityDynamic,  // viscosity quantity choice
    ViscosityKinematic,
    PipelinePanel,
    RoughnessLabel,
    PumpLabel,
    SuctionPage,
    DischargePage,
    TankPressureLabel,
    SuctionHeightLabel,
    SuctionHeightHint,  // "+ bei Zulauf, - bei Saugbetrieb"
    DischargeHeightLabel,
    DiameterLabel,
    LengthLabel,
    BendsLabel,
    ValvesLabel,
    CheckValvesLabel,
    CocksLabel,
    GateValvesLabel,
    CheckFlapsLabel,
    FurtherTitle,
    CountHeader,
    NameHeader,
    ZetaHeader,
    LossHeader,
    InWord,
    PipeButton,
    ZetaButton,
    RoughnessButton,
    VapourButton,
    UseMainButton,  // "Verwende Daten von Hauptfenster"
    CalculateButton,
    InformationButton,
    ClearButton,
    SaveAsButton,
    SaveButton,
    OpenButton,
    SaveFilter,
    OpenFilter,
    LaminarSuction,  // notice: laminar flow on the suction side
    LaminarDischarge,
    NegativeSuctionPressure,  // warning in the output
    Information1,             // nine paragraphs of the information box
    Information2,
    Information3,
    Information4,
    Information5,
    Information6,
    Information7,
    Information8,
    Information9,
    FileOpenFailed,  // a design file that cannot be opened
    ViscosityWarning,
    CheckValvesRow,  // output row labels
    CheckFlapsRow,
    InformationCaption,
    FileSaveFailed,  // a design file that cannot be written; the old file is kept
    FileLocked,      // a design file held by another program
    FileTooShort,    // a design file with fewer than 70 lines
    Count
};

// Block "TPSchnellAusgabe": the output window, its copy text and printout.
enum class PumpOutputText : int {
    Title,
    TankPressure,
    LossesHeading,
    Geodetic,
    PipeFriction,
    PumpPressures,  // pS and pD
    DifferentialPressure,
    Head,
    Npsh,
    Power,
    CopyButton,
    PrintButton,
    CloseButton,
    ReportHeading,
    InputHeader,  // header of the side entries in the copy text
    ResultHeader,
    PrintWord,  // before the window title in the printout's heading
    InWord,
    Count
};

// Block "TNPSHDialog".
enum class NpshText : int {
    Title,
    SuctionPressureLabel,  // "Druck Saugseite (abs.):"
    VapourPressureLabel,   // "Dampfdruck:"
    DensityLabel,          // "Dichte:"
    DatabaseButton,
    CalculateButton,
    CloseButton,
    ResultLabel,
    Count
};

}  // namespace velmora::model
