#pragma once

#include <optional>
#include <string>

#include "tools/channel_flow.h"
#include "tools/tool_presenter.h"

namespace velmora::tools {

// The texts of the block "TGerinneDlg" (existing channel); the design dialog takes the shared ones
// from here too.
enum class ChannelText {
    Title,
    UnitsLabel,  // "Alle Maßeinheiten in "
    ShapeTitle,
    Rectangle,
    Trapezoid,
    Semicircle,
    Triangle,
    AnyShape,
    SlopeTitle,  // "Gegeben"
    SlopeDimensions,
    SlopeAngle,
    SlopePercent,
    PercentLabel,      // the slope entry in the percent mode
    StricklerLabel,    // "Manning-Strickler-Beiwert (m^1/3/s):"
    Database,          // "&Datenbank"
    Printscreen,       // "&Printscreen"
    ResultsTitle,
    MetreWord,         // the unit words of the labels: "Meter", "Meter²", "feet", "feet²"
    SquareMetreWord,
    FeetWord,
    SquareFeetWord,
    Count
};

// The texts of the block "TKanalDlg" (channel design).
enum class ChannelDesignText {
    Title,
    FlowLabel,          // "Volumenstrom:"
    SlopeUnitsLabel,    // the length unit of the slope entries
    TrapezoidAngle,     // "Winkel in Grad (optimal = 60°):"
    VelocitiesCaption,  // "Info: Zulässige Geschwindigkeiten:"
    Velocity1,          // nine lines of permissible velocities
    Velocity9 = Velocity1 + 8,
    Count
};

// What both channel dialogs share: the slope (three modes), the Strickler coefficient with its table,
// the shape choice with its pictures and the result labels.
class ChannelPresenterBase : public ToolPresenter {
  public:
    // Fields both dialogs have; each dialog adds its own after LastShared.
    enum SharedField {
        Shape,
        ShapeTitle,
        SlopeChoice,
        SlopeTitle,
        Z1,
        Z2,
        SlopeLength,
        Z1Label,
        Z2Label,
        SlopeLengthLabel,
        Strickler,
        StricklerLabel,
        Database,
        Printscreen,
        Calculate,
        Close,
        ResultsTitle,
        ShapePicture,  // output: the picture file of the shape
        SlopePicture,  // output: the picture file of the slope
        LastShared
    };

    // Opening: the captions of the edition and of the settings' unit system.
    virtual void shown() = 0;
    // "Daten übernehmen" of the coefficient table: its text up to the first "-".
    void takeStrickler(const std::string& text);
    virtual void edited(int field);
    virtual void chosen(int field);
    virtual void calculate(model::Messenger& messenger) = 0;

  protected:
    ChannelPresenterBase(const lang::TextCatalogue& texts, std::string_view block);

    const std::string& channelText(ChannelText role) const;
    // "<letter> in Meter:" / " feet:", with the squared word for an area.
    std::string lengthLabel(const std::string& letter, bool feet, bool area = false) const;
    // The slope entries' labels for the mode and the unit of their lengths.
    void setSlopeCaptions(bool feet);
    void setSharedCaptions();
    // I from the slope entries; nullopt after the message naming the entry.
    std::optional<Real> readSlope(model::Messenger& messenger) const;
    std::optional<Real> readStrickler(model::Messenger& messenger) const;
    virtual void clearResults() = 0;
    virtual bool feetSlope() const = 0;
    ChannelShape shape() const { return static_cast<ChannelShape>(form_.index(Shape)); }
    std::string pictureName(ChannelShape shape) const;
};

// An existing channel (TGerinneDlg): velocity and flow of a given section.
class ChannelCalcPresenter : public ChannelPresenterBase {
  public:
    enum Field {
        LengthUnit = LastShared,
        LengthUnitLabel,
        Dim1,
        Dim2,
        Dim3,
        Dim1Label,
        Dim2Label,
        Dim3Label,
        Velocity,
        VelocityLabel,
        Flow,
        FlowLabel
    };

    explicit ChannelCalcPresenter(const lang::TextCatalogue& texts);

    void shown() override;
    void chosen(int field) override;
    void calculate(model::Messenger& messenger) override;

  private:
    void clearResults() override;
    bool feetSlope() const override { return feet(); }
    bool feet() const { return form_.index(LengthUnit) == 1; }
    void setShapeCaptions();
};

// The design of a channel (TKanalDlg): the hydraulically best section of a shape for a flow.
class ChannelDesignPresenter : public ChannelPresenterBase {
  public:
    enum Field {
        Flow = LastShared,
        FlowUnit,
        FlowLabel,
        SlopeUnit,
        SlopeUnitLabel,
        Angle,  // the side angle of the trapezoid
        AngleLabel,
        Velocities,  // the information list
        VelocitiesLabel,
        Result1,
        Result1Label,
        Result2,
        Result2Label,
        Velocity,
        VelocityLabel
    };

    explicit ChannelDesignPresenter(const lang::TextCatalogue& texts);

    void shown() override;
    void chosen(int field) override;
    void calculate(model::Messenger& messenger) override;

  private:
    const std::string& designText(ChannelDesignText role) const { return text(role); }
    void clearResults() override;
    bool feetSlope() const override { return form_.index(SlopeUnit) == 1; }
    void showShape();
};

// The table of Strickler coefficients (TDabaStricklerDlg).
class StricklerTablePresenter : public ToolPresenter {
  public:
    enum Field { Type, TypeLabel, Surface, SurfaceLabel, Value, ValueLabel, TakeOver, Close };

    explicit StricklerTablePresenter(const lang::TextCatalogue& texts);

    void shown();
    void chosen(int field);
    // The coefficient the channel dialog takes: the shown text up to the first "-".
    std::string takeOver() const;

    static int typeCount();
    static int surfaceCount(int type);                            // type 0 … 6
    static const char* coefficient(int type, int surface);  // the table's text, m^(1/3)/s

  private:
    void fillSurfaces();
};

}  // namespace velmora::tools
