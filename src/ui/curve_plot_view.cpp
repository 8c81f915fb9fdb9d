#include "ui/curve_plot_view.h"

#include <QPainter>

#include "ui/curve_export.h"
#include "ui/qt_plot_canvas.h"

namespace velmora::ui {

CurvePlotView::CurvePlotView(PlotSource plot, QString fontFamily, QWidget* parent)
    : QWidget(parent), plot_(std::move(plot)), fontFamily_(std::move(fontFamily)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

tools::PlotLayout CurvePlotView::currentLayout() const {
    return tools::layoutCurvePlot(plot_(), width(), height(), screenPlotStyle(fontFamily_));
}

void CurvePlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintLayout(painter, currentLayout(), 1.0);
}

}  // namespace velmora::ui
