#pragma once

#include <string>

#include "tools/outflow.h"
#include "tools/tool_presenter.h"

namespace velmora::tools {

// The texts of the block "TAusfluss_konstDlg" (outflow at a constant level).
enum class OutflowConstantText {
    Title,
    SizeTitle,  // "Größe der Öffnung"
    SizeSmall,
    SizeLarge,
    KindTitle,  // "Art der Öffnung"
    KindSide,
    KindBottom,
    PressureTitle,  // "Druck innerhalb des Gefäßes"
    PressureNone,
    PressureOver,
    AreaLabel,        // "Fläche der Öffnung A:"
    HeightLabel,      // "Flüssigkeitshöhe über der Öffnung H:"
    OverpressureLabel,
    UpperDepthLabel,  // "Tiefe der Oberkante H1:"
    LowerDepthLabel,
    WidthLabel,       // "Breite der Öffnung b:"
    MuLabel,          // "Ausflusszahl µ:"
    Database,
    Printscreen,
    ResultsTitle,
    Count
};

// The texts of the block "TAusfluss_veraeDlg" (outflow at a falling level).
enum class OutflowFallingText {
    Title,
    ShapeTitle,  // "Form des Gefäßes"
    VerticalCylinder,
    HorizontalCylinder,
    Sphere,
    Cone,
    VesselDiameterLabel,
    OpeningDiameterLabel,
    HeightLabel,
    CylinderLengthLabel,
    TimeLabel,  // "Auslaufzeit:"
    Count
};

// The texts of the blocks of the two coefficient tables.
enum class SmallCoefficientText {
    Title,
    FormTitle,  // "Form der Öffnung"
    SharpEdged,
    Nozzle,
    ConicalTube,
    CylindricalTube,
    NozzleTube,
    ConeAngleLabel,
    TubeDiameterLabel,
    NozzleDiameterLabel,
    UnitLabel,
    Compute,   // "Ausflusszahl berechnen"
    TakeOver,  // "Ausflusszahl &übernehmen"
    ValueLabel,
    ConeAngleRange,  // the range messages
    AreaRatioRange,
    Count
};

enum class LargeCoefficientText {
    Title,
    OpeningTitle,
    Side,
    Bottom,
    EdgeTitle,
    SharpEdged,
    Rounded,
    HeightLabel,  // "Höhe der Öffnung h:"
    WidthLabel,
    VesselDiameterLabel,
    OpeningDiameterLabel,
    UnitLabel,
    HeightWidthRange,
    DiameterRatioRange,
    Count
};

// Outflow at a constant level (TAusfluss_konstDlg): flow and mean velocity in the opening.
class OutflowConstantPresenter : public ToolPresenter {
  public:
    enum Field {
        Size, SizeTitle, Kind, KindTitle, Pressure, PressureTitle,
        Entry1, Entry1Unit, Entry1Label,
        Entry2, Entry2Unit, Entry2Label,
        Entry3, Entry3Unit, Entry3Label,
        Density, DensityUnit, DensityLabel,
        Mu, MuLabel,
        Database, Printscreen, Calculate, Close, ResultsTitle,
        Flow, FlowLabel, Velocity, VelocityLabel,
        Picture
    };

    explicit OutflowConstantPresenter(const lang::TextCatalogue& texts);

    // Mode 1 … 6: small side, small bottom, small side and bottom with overpressure, large side,
    // large bottom.
    int mode() const;
    bool largeOpening() const { return form_.index(Size) == 1; }

    void shown();
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);
    // The coefficient taken from a coefficient table.
    void takeCoefficient(const std::string& text);

  private:
    void showMode();
    void clearResults() { form_.clearOutputs({Flow, Velocity}); }
    std::optional<Real> positive(int entry, int label, model::Messenger& messenger, bool zeroAllowed = false) const;
};

// Outflow at a falling level (TAusfluss_veraeDlg): the time to empty a vessel.
class OutflowFallingPresenter : public ToolPresenter {
  public:
    enum Field {
        Shape, ShapeTitle,
        VesselDiameter, VesselDiameterUnit, VesselDiameterLabel,
        OpeningDiameter, OpeningDiameterUnit, OpeningDiameterLabel,
        Height, HeightUnit, HeightLabel,
        Mu, MuLabel,
        Database, Printscreen, Calculate, Close,
        Time, TimeLabel,
        Picture
    };

    explicit OutflowFallingPresenter(const lang::TextCatalogue& texts);

    void shown();
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);
    void takeCoefficient(const std::string& text);

  private:
    VesselShape shape() const { return static_cast<VesselShape>(form_.index(Shape)); }
    void showShape();
};

// Outflow coefficients of small openings (TDabaAusflusszahlDlg).
class SmallCoefficientPresenter : public ToolPresenter {
  public:
    enum Field {
        Form, FormTitle,
        Entry1, Entry1Label, Entry2, Entry2Label, Unit, UnitLabel,
        Compute, Value, ValueLabel, TakeOver, Close,
        Picture
    };

    explicit SmallCoefficientPresenter(const lang::TextCatalogue& texts);

    void shown();
    void edited(int field);
    void chosen(int field);
    void compute(model::Messenger& messenger);
    // The value the outflow dialog takes; empty while none is shown.
    std::string takeOver() const { return form_.output(Value); }

  private:
    void showForm();
};

// Outflow coefficients of large openings (TDabaAusflusszahl_grossDlg).
class LargeCoefficientPresenter : public ToolPresenter {
  public:
    enum Field {
        Opening, OpeningTitle, Edge, EdgeTitle,
        Entry1, Entry1Label, Entry2, Entry2Label, Unit, UnitLabel,
        Compute, Value, ValueLabel, TakeOver, Close,
        Picture
    };

    explicit LargeCoefficientPresenter(const lang::TextCatalogue& texts);

    void shown();
    void edited(int field);
    void chosen(int field);
    void compute(model::Messenger& messenger);
    // The value the outflow dialog takes: the rounded side opening's range gives its lower end.
    std::string takeOver() const;

  private:
    bool side() const { return form_.index(Opening) == 0; }
    bool rounded() const { return form_.index(Edge) == 1; }
    void showOpening();
};

}  // namespace velmora::tools
