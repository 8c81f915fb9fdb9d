#pragma once

#include <QString>
#include <functional>

#include "tools/curve_plot_presenter.h"
#include "ui/modal_dialog.h"

class QLabel;

namespace velmora::ui {

class CurvePlotView;
class DialogBinder;

// The plot window (TKurve): the diagram with the medium lines above it and the operating point
// below it, the pump curve's points beside it, and the buttons to close, print, copy the values
// and save the diagram.
class CurvePlotWindow : public ModalDialog {
    Q_OBJECT
  public:
    CurvePlotWindow(tools::CurvePlotPresenter& presenter, QString fontFamily, QWidget* parent);

    // Before each showing: the title of the printout and the size last chosen for a picture.
    void prepare(const QString& printTitle, int pictureWidth, int pictureHeight);
    int pictureWidth() const { return pictureWidth_; }
    int pictureHeight() const { return pictureHeight_; }

    CurvePlotView* view() const { return view_; }
    // The commands of the buttons, also for tests.
    void drawPump();
    void loadPumpFile(const QString& fileName);
    void removePump();
    void copyValues();
    void printDiagram();
    void saveDiagram(const QString& fileName, int width, int height);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void chooseAndLoadPumpFile();
    void chooseAndSaveDiagram();
    void refresh();

    tools::CurvePlotPresenter& presenter_;
    QString fontFamily_;
    QString printTitle_;
    int pictureWidth_ = 1200;
    int pictureHeight_ = 800;
    bool sized_ = false;
    DialogBinder* binder_;
    CurvePlotView* view_;
};

}  // namespace velmora::ui
