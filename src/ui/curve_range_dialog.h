#pragma once

#include <functional>
#include <optional>

#include "tools/curve_range_presenter.h"
#include "ui/modal_dialog.h"

namespace velmora::ui {

class DialogBinder;

// The range dialog of the system characteristic curve (TAnlagenkennlinie_Dlg). "Berechnen" reads
// the range; the run and the plot window are the caller's, after which the dialog closes in every
// case. An entry refused by the presenter keeps the dialog open with the focus on it.
class CurveRangeDialog : public ModalDialog {
    Q_OBJECT
  public:
    using Run = std::function<void(const tools::CurveRange&)>;

    CurveRangeDialog(tools::CurveRangePresenter& presenter, Run run, QWidget* parent);

    // Each opening: the captions and the medium of the main form.
    void prepare(const std::string& mediumName);
    DialogBinder& binder() { return *binder_; }
    void calculate();

  private:
    tools::CurveRangePresenter& presenter_;
    Run run_;
    DialogBinder* binder_;
};

}  // namespace velmora::ui
