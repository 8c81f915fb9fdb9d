#pragma once

#include "lang/text_catalogue.h"
#include "media/solution_presenter.h"
#include "persist/data_file_set.h"
#include "ui/media_dialog_widgets.h"

namespace velmora::ui {

// "Wässrige Lösungen berechnen": binds the aqueous solution presenter.
class SolutionDialog : public MediaDialog {
    Q_OBJECT
  public:
    SolutionDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    void press(media::SolutionField field);

    media::SolutionPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<model::UserMessage> loadMessage_;
};

}  // namespace velmora::ui
