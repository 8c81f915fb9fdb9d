#include "tools/curve_copy_text.h"

namespace velmora::tools {

std::string curveCopyText(const CurvePlot& plot, const SystemCurveData& data, const PumpOverlay& pump,
                          const CurvePlotWords& words, const std::string& pumpColumnWord) {
    const bool comma = words.decimalComma;
    const std::string in = " " + words.unitConnector + " ";
    std::string text = words.flow + in + data.flowUnit + "\t" + words.pressureLoss + in + plot.pressureUnit;
    if (pump.curve) text += "\t" + pumpColumnWord + in + plot.pressureUnit;
    text += "\r\n";
    for (std::size_t i = 0; i < data.flows.size() && i < data.losses.size(); ++i) {
        const Real flow = data.flows[i];
        text +=
            copyFlowText(flow, comma) + "\t" + copyPressureText(data.losses[i] * plot.pressureFactor, comma);
        if (pump.curve) {
            text += "\t";
            if (pump.curve->covers(flow))
                text += copyPressureText(pump.curve->pressureAt(flow) * plot.pressureFactor, comma);
        }
        text += "\r\n";
    }
    if (pump.curve) {
        text += "\r\n";
        text += pump.point ? operatingPointLine(*pump.point, words, data.flowUnit, plot.pressureUnit,
                                                plot.pressureFactor, pump.curve->headUnit())
                           : words.noCrossing;
        text += "\r\n";
    }
    return text;
}

}  // namespace velmora::tools
