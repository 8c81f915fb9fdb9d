#pragma once

// The global texts of the edition: one role per line of the global text file "varglob.gru".
// The value of a role is its index in reading order: indexes 0…148 stand on lines 7…155,
// lines 156…165 are reserved and skipped, and indexes 149…175 stand on lines 166…192.
// Field 3 of every text line names the role exactly as written here.
namespace velmora::model {

enum class GlobalText : int {
    ProgramTitle = 0,                    // program title: caption of dialog entry errors, print headers
    MessageCaption = 1,                  // caption of entry and check messages of the main form
    NoticeCaption = 2,                   // caption of notices (range warnings, project messages)
    InformationCaption = 3,              // caption of information boxes (element information)
    WarningCaption = 4,                  // caption of warning boxes
    ErrorCaption = 5,                    // caption of error boxes (gas limit, data file errors)
    QuestionCaption = 6,                 // caption of yes/no questions (save question)
    ButtonOk = 7,                        // button caption OK
    ButtonCancel = 8,                    // button caption cancel
    ButtonYes = 9,                       // button caption yes
    ButtonNo = 10,                       // button caption no
    ButtonClose = 11,                    // button caption close
    ButtonCalculate = 12,                // button caption calculate (dialogs)
    ButtonTakeOver = 13,                 // button caption: copy the dialog's values into the main form
    ButtonPrint = 14,                    // button caption print
    InvalidEntryLead = 15,               // lead text of an invalid entry (parse and range failures)
    InvalidNumber = 16,                  // a dialog entry that is not a number; the label follows
    MustBeGreater = 17,                  // range check: must be greater than the bound that follows
    MustBeSmaller = 18,                  // range check: must be smaller than the bound that follows
    MustBeAtLeast = 19,                  // range check with an accepted minimum (x >= min)
    MustNotExceed = 20,                  // range check with an accepted maximum (angle limits)
    NormUnitForLiquid = 21,              // refusal: a norm volume-flow unit chosen for a liquid
    BranchFlowNotBelowMain = 22,         // refusal: branch flow of a tee not below the main flow
    CalculationFailed = 23,              // arithmetic failure inside an engine; no column is added
    TransitionZoneNotice = 24,           // notice for 2200 <= Re <= 2320 after a calculation
    LaminarNotice = 25,                  // laminar flow through a fitting known for turbulent flow only
    OrificeReynoldsWarning = 26,         // range warning of the standard orifice 9/1 (5000 ... 10^7)
    SharpOrificeReynoldsWarning = 27,    // range warning of the sharp-edged orifice 9/2 (Re < 100000)
    RoundedOrificeReynoldsWarning = 28,  // range warning of the rounded orifice 9/3 (Re < 3000)
    ThickOrificeReynoldsWarning = 29,    // range warning of the thick orifice 9/4 (bore Re < 4000)
    OutsideCorrelationNotice = 30,       // outside a coefficient table; nearest table value used
    GasLimitExceeded = 31,               // gas limit, first line: loss above half the inlet pressure
    GasLimitAdvice = 32,                 // gas limit, second line: what to do
    OuterDiameterNotAboveInner = 33,     // 1/3: outer diameter smaller than the inner one
    AnnulusDiameterRatioTooLarge = 34,   // 1/3: D/Di above 100, beyond the laminar annulus table
    AnnulusDiametersEqual = 35,          // 1/3: outer and inner diameter equal
    CorrugationDepthPitchRange = 36,     // 1/5: t/T outside 0.2 … 1.2
    CorrugationDepthDiameterRange = 37,  // 1/5: t/D outside 0.0455 … 1
    PipeShorterThanPitch = 38,           // 1/5: pipe shorter than one corrugation pitch
    ExpansionNeedsLargerOutlet = 39,     // 3/1, 3/2: an expansion needs D1 < D2
    ContractionNeedsSmallerOutlet = 40,  // 3/3, 3/4: a contraction needs D2 < D1
    BendRadiusBelowDiameter = 41,        // 4/1: bend radius below the diameter (R/D < 1)
    BendRadiusBelowWidth = 42,           // 4/4: bend radius below the width (R/B < 1)
    CastIronBendRange1 = 43,             // 4/3: nominal-diameter range, line 1 of 3
    CastIronBendRange2 = 44,             // 4/3: nominal-diameter range, line 2 of 3
    CastIronBendRange3 = 45,             // 4/3: nominal-diameter range, line 3 of 3
    TrouserBendRadiusRange = 46,         // 5/8: R/D outside 0.5 … 2
    UBendLengthRatio = 47,               // 6/3: L/D above 10
    GateOpeningNotBelowDiameter = 48,    // 7/4 warning, the calculation goes on: opening height >= D
    BoreNotSmallerThanPipe = 49,         // 9/1 … 9/4: bore diameter not below the pipe diameter
    StandardOrificeRange1 = 50,          // 9/1 validity range, line 1 of 4 (shown without the lead text)
    StandardOrificeRange2 = 51,          // 9/1 validity range, line 2 of 4
    StandardOrificeRange3 = 52,          // 9/1 validity range, line 3 of 4
    StandardOrificeRange4 = 53,          // 9/1 validity range, line 4 of 4
    IsaNozzleRange1 = 54,                // 9/5 validity range, line 1 of 3
    IsaNozzleRange2 = 55,                // 9/5 validity range, line 2 of 3
    IsaNozzleRange3 = 56,                // 9/5 validity range, line 3 of 3
    LongRadiusNozzleRange1 = 57,         // 9/6 validity range, line 1 of 3
    LongRadiusNozzleRange2 = 58,         // 9/6 validity range, line 2 of 3
    LongRadiusNozzleRange3 = 59,         // 9/6 validity range, line 3 of 3
    VenturiAreaRatioRange = 60,          // 9/7: area ratio (D2/D1)² outside 0.1 … 0.6
    LabelDiameter = 61,                  // slot label: diameter
    LabelPipeLength = 62,                // slot label: pipe length
    LabelWidth = 63,                     // slot label: width
    LabelHeight = 64,                    // slot label: height; also the size heading of ducts
    LabelOuterDiameter = 65,             // slot label: outer diameter (1/3)
    LabelInnerDiameter = 66,             // slot label: inner diameter (1/3, 1/5)
    LabelChannelWidth = 67,              // slot label: channel width (1/4)
    LabelChannelHeight = 68,             // slot label: channel height (1/4)
    LabelChannelLength = 69,             // slot label: channel length (1/4)
    LabelCorrugationDepth = 70,          // slot label: corrugation depth t (1/5)
    LabelCorrugationPitch = 71,          // slot label: corrugation pitch T (1/5)
    LabelFlowArea = 72,                  // slot label: flow area A (1/6)
    LabelWettedPerimeter = 73,           // slot label: wetted perimeter (1/6)
    LabelAngle = 74,                     // slot label: angle; also the angle word of the channel dialogs
    LabelInletDiameter = 75,             // slot label: inlet diameter D1 (changes of section)
    LabelOutletDiameter = 76,            // slot label: outlet diameter D2
    LabelBendRadius = 77,                // slot label: bend radius R
    LabelBendAngle = 78,                 // slot label: bend angle w (4/1, 4/2, 4/4)
    LabelNominalDiameter = 79,           // slot label: nominal diameter DN (4/3)
    LabelDeflectionAngle = 80,           // slot label: deflection angle of mitre bends (4/5, 4/6)
    LabelMainDiameter = 81,              // slot label: main pipe diameter D1 (5/5, 5/6)
    LabelBranchDiameter = 82,            // slot label: branch diameter D2 (5/5, 5/6)
    LabelEdgeRadius = 83,                // slot label: edge radius R (5/5, 5/6, 9/3; orifice sizing)
    LabelBranchAngle = 84,               // slot label: branch angle w (5/5, 5/6)
    LabelCorrugationCount = 85,          // slot label: number of corrugations (6/1)
    LabelLength = 86,                    // slot label: length L (6/3)
    LabelOpeningHeight = 87,             // slot label: opening height H of the gate valve (7/4)
    LabelClosingAngle = 88,              // slot label: closing angle, 0 = fully open (7/5, 7/6)
    LabelPipeDiameter = 89,              // slot label: pipe diameter D1 (group 9)
    LabelBoreDiameter = 90,              // slot label: bore diameter D2 (group 9)
    LabelDiscThickness = 91,             // slot label: disc thickness L (9/4; orifice sizing)
    LabelFreeAreaRatio = 92,             // slot label: free area ratio in % (groups 10, 11)
    LabelHoleDiameter = 93,              // slot label: hole diameter d (10/3, 10/4)
    LabelPlateThickness = 94,            // slot label: plate thickness a (10/3, 10/4)
    LabelResistanceCoefficient = 95,     // slot label: given resistance coefficient (group 12)
    LabelHeightDifference = 96,          // slot label: height difference H (13/1)
    LabelElementDiameter = 97,           // slot label: diameter of the element with a given zeta (12/1)
    InletEdgeTitle = 98,                 // choice title of 2/1 and 2/4
    InletEdgeSharp = 99,                 // option 0 of 2/1 and 2/4 (zeta 0.5 / 3.0)
    InletEdgeChamfered = 100,            // option 1 of 2/1 and 2/4 (zeta 0.25 / 1.0)
    LyreBendTitle = 101,                 // choice title of 6/2
    LyreBendSmooth = 102,                // option 0 of 6/2 (zeta 0.7)
    LyreBendCreased = 103,               // option 1 of 6/2 (zeta 1.4)
    VenturiDivergentTitle = 104,         // choice title of 9/7 (options: 15 and 30 + degree word)
    DegreeWord = 105,                    // degree word: fixed unit of angle slots, options of 9/7
    CountWord = 106,                     // count word: fixed unit of the corrugation count (6/1)
    CaptionColumn = 107,                 // row 0 caption of the results table (column number)
    LabelMedium = 108,                   // label of the main form's medium entry; row 1 caption
    CaptionFlow = 109,                   // flow caption: table row 2, main form, tool listings
    CaptionDensity = 110,                // density caption: table row 3, density label of the main form
    CaptionViscosity = 111,              // viscosity caption: table row 4, main form
    CaptionDesignation = 112,            // designation caption: table row 6, short display
    CaptionElement = 113,                // element caption: table row 7, short display
    CaptionCount = 114,                  // count caption: table row 7, short display
    CaptionDimensions = 115,             // dimensions caption: table row 8
    CaptionVelocity = 116,               // velocity caption: table rows 14, 16; tools
    CaptionReynolds = 117,               // Reynolds caption: table rows 15, 17
    CaptionFlowRegime = 118,             // flow regime caption: table row 18
    CaptionRoughness = 119,              // roughness caption: table row 19
    CaptionFrictionFactor = 120,         // friction factor caption: table row 20
    CaptionResistanceCoefficient = 121,  // resistance coefficient caption: table rows 21, 22
    CaptionPressureLoss = 122,           // pressure loss caption: table rows 23 … 25, curve axis
    BranchWord = 123,                    // branch word: table rows 22, 23
    UnitConnector = 124,                 // word joining a label and its unit; project files store " in "
    StateLiquidShort = 125,              // table word for liquid (row 1 after the medium name and "/")
    StateGasShort = 126,                 // table word for gas (row 1 after the medium name and "/")
    RegimeLaminar = 127,                 // flow regime word laminar (row 18)
    RegimeTurbulent = 128,               // flow regime word turbulent (row 18)
    TotalCaption = 129,                  // first status panel of the results window: caption of the total
    TotalConjunction = 130,              // word between the total in mbar and in bar
    CaptionNumber = 131,                 // short display: header of the number column
    PrintColumnsText = 132,              // printed total row: text before the number of the last column
    TableTitle = 133,                    // printed table: title after the program title
    PrintJobTitle = 134,                 // print job title before the results window caption
    PageWord = 135,                      // word for page (printing, preview)
    OfWord = 136,                        // word for "of" (page n of m, record n of m)
    DefaultProjectName = 137,            // name of a new, unsaved project
    ProjectFileFilter = 138,             // filter of the open and save dialogs for project files
    SaveQuestion = 139,                  // save question for a changed table (close, new, open)
    NothingToSave = 140,                 // save with an empty table
    ProjectOpenFailed = 141,             // a project file that cannot be opened
    ProjectFileInvalid = 142,            // a project file that cannot be read as a project
    ProjectConverted = 143,              // an older project format was read and converted
    SettingsSaveFailed = 144,            // the settings could not be written
    SettingsBaseKey = 145,               // base key of the settings store (ends with a path separator)
    HelpFileName = 146,                  // help file handed to the help viewer
    SystemCurveLiquidsOnly = 147,        // system curve refused for a gas
    SystemCurveEmptyTable = 148,         // system curve refused for an empty results table
    // lines 156…165 are reserved; the texts continue on line 166
    ColumnRecalculated = 149,        // after changing one column; followed by the column number
    TableRecalculated = 150,         // after changing the whole table or a range
    UserDatabaseUnitsChanged = 151,  // the unit system of the user database was changed
    WaterName = 152,                 // name of water: fresh-start medium, water dialogs, brine list
    AirName = 153,                   // name of air: dry and humid air dialogs
    StateSolid = 154,                // state word solid (air dialog)
    StateLiquid = 155,               // state word liquid (air and estimation dialogs, curve plot)
    StateGaseous = 156,              // state word gaseous (air and estimation dialogs)
    ApproximateWord = 157,           // marks an approximate value (boiling point, viscosity)
    BoilingPointUnavailable = 158,   // no boiling point at the given pressure
    MissingValue = 159,              // a property value that cannot be given
    MixtureWord = 160,               // name of a mixture taken into the main form
    ValueOutsideValidity = 161,      // a state outside the validity of a property calculation
    DataFileOpenFailed = 162,        // a data file cannot be read; the file name follows
    ZetaFileUnreadable = 163,        // a maker's zeta file cannot be read; followed by its name
    WordPressure = 164,              // word for pressure (result captions of the media dialogs)
    WordTemperature = 165,           // word for temperature (media dialogs, pump tool)
    WordConcentration = 166,         // word for concentration (brines)
    WordVapourPressure = 167,        // word for vapour pressure (pump tool)
    WordFreezingPoint = 168,         // word for freezing point (brines)
    WordMeanVelocity = 169,          // word for the mean velocity (outflow from vessels)
    RangeJoinWord = 170,             // word joining the two ends of a range ("0,7 bis 0,8")
    MassLabel = 171,                 // mass label of the fitting data dialogs
    WordNominalPressure = 172,       // word for nominal pressure, followed by " PN" (pipe tables)
    WordNominalSize = 173,           // word for nominal size, followed by " DN" (pipe tables)
    WordSeries = 174,                // word for a wall-thickness series (pipe tables)
    NotStandardised = 175,           // pipe tables: no wall thickness for this size and class
};

inline constexpr int globalTextCount = 176;

static_assert(static_cast<int>(GlobalText::NotStandardised) + 1 == globalTextCount);

}  // namespace velmora::model
