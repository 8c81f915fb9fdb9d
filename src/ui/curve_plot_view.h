#pragma once

#include <QWidget>
#include <functional>

#include "tools/curve_plot.h"
#include "tools/plot_layout.h"

namespace velmora::ui {

// The diagram of the plot window: the current plot laid out for the widget's size and painted by
// the same routine as the printout and the pictures.
class CurvePlotView : public QWidget {
    Q_OBJECT
  public:
    using PlotSource = std::function<const tools::CurvePlot&()>;

    CurvePlotView(PlotSource plot, QString fontFamily, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {760, 520}; }
    QSize minimumSizeHint() const override { return {420, 320}; }
    // The layout as it is painted now.
    tools::PlotLayout currentLayout() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PlotSource plot_;
    QString fontFamily_;
};

}  // namespace velmora::ui
