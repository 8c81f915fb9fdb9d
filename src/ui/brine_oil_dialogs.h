#pragma once

#include "lang/text_catalogue.h"
#include "media/brine_presenter.h"
#include "media/oil_presenter.h"
#include "persist/data_file_set.h"
#include "ui/media_dialog_widgets.h"

namespace velmora::ui {

// "Kühlsolen berechnen": binds the brine presenter.
class BrineDialog : public MediaDialog {
    Q_OBJECT
  public:
    BrineDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::BrinePresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
};

// "Wärmeträgeröle berechnen": binds the heat-transfer oil presenter.
class OilDialog : public MediaDialog {
    Q_OBJECT
  public:
    OilDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::OilPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<model::UserMessage> loadMessage_;
};

}  // namespace velmora::ui
