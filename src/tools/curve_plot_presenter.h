#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/dialog_form.h"
#include "model/messenger.h"
#include "tools/curve_plot.h"
#include "tools/operating_point.h"
#include "tools/pump_curve.h"

namespace velmora::tools {

// The pump entries of the plot window as typed, kept between runs and in the settings.
struct PumpEntries {
    std::array<std::pair<std::string, std::string>, kMaxPumpPoints> rows;  // flow, head
    int headUnit = 0;                                                      // 0 m, 1 ft
    int flowUnit = 0;    // the curve unit the flows were typed in (position in curveFlowUnits())
    bool shown = false;  // the pump curve was drawn when the window closed

    friend bool operator==(const PumpEntries&, const PumpEntries&) = default;
};

// The plot window (TKurve): the diagram of a run, the pump characteristic laid over it with the
// operating point, the copied values and the texts of the window.
class CurvePlotPresenter {
  public:
    enum Field {
        PumpGroup,
        FlowHeader,
        HeadHeader,
        HeadUnitLabel,
        HeadUnit,
        Load,
        Draw,
        Remove,
        Ok,
        Print,
        Copy,
        Save,
        DensityNote,
        Statement,
        FirstFlow = 100,  // + row: the flow entries of the pump
        FirstHead = 200,  // + row: the head entries
    };
    static int flowField(int row) { return FirstFlow + row; }
    static int headField(int row) { return FirstHead + row; }

    explicit CurvePlotPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::string& title() const;
    const lang::TextCatalogue& texts() const { return *texts_; }

    // A new run to show, with the pipeline's loss at a flow of the run's unit (bar or psi) for the
    // operating point. Pump flows typed in another unit are converted into the run's; a pump
    // curve that was shown is drawn again.
    void setCurve(SystemCurveData data, CurveMedium medium, SystemLoss system);
    // Each opening: the captions of the edition.
    void shown();

    PumpEntries entries() const;
    void setEntries(const PumpEntries& entries);
    // The head unit box chosen at a first start: m with metric, ft with US units.
    static int defaultHeadUnit(model::UnitSystem units) { return units == model::UnitSystem::Us ? 1 : 0; }

    // "Pumpenkurve zeichnen": the entries read and checked, the curve and its operating point;
    // false after the message naming the row at fault (its entry gets the focus).
    bool drawPump(model::Messenger& messenger);
    // A pump file's text into the entries (the rows it gives, the rest emptied), then drawn;
    // false after the message for a file that holds no pump curve.
    bool loadPumpFile(std::string_view text, model::Messenger& messenger);
    void removePump();

    bool pumpShown() const { return pump_ != nullptr; }
    const std::optional<OperatingPoint>& operatingPoint() const { return point_; }
    const SystemCurveData& data() const { return data_; }
    const CurvePlot& plot() const { return plot_; }
    CurvePlotWords words() const;

    // "Werte kopieren".
    std::string copyText() const;

  private:
    void rebuildPlot();
    std::vector<std::pair<std::string, std::string>> rowTexts() const;
    void convertFlows(int fromUnit, int toUnit);
    model::UserMessage problemMessage(const PumpProblem& problem, bool fromFile) const;
    const std::string& text(int position) const;

    const lang::TextCatalogue* texts_;
    model::DialogForm form_;
    SystemCurveData data_;
    CurveMedium medium_;
    SystemLoss system_;
    int flowUnit_ = 0;  // the unit the pump flows are typed in
    bool pumpWanted_ = false;
    std::unique_ptr<PumpCurve> pump_;
    std::optional<OperatingPoint> point_;
    CurvePlot plot_;
};

}  // namespace velmora::tools
