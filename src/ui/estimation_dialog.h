#pragma once

#include "lang/text_catalogue.h"
#include "media/estimation_presenter.h"
#include "persist/data_file_set.h"
#include "ui/media_dialog_widgets.h"

namespace velmora::ui {

// "Stoffdaten berechnen": binds the property estimation presenter.
class EstimationDialog : public MediaDialog {
    Q_OBJECT
  public:
    EstimationDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    void press(media::EstimationField field);

    media::EstimationPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<model::UserMessage> loadMessage_;
};

}  // namespace velmora::ui
