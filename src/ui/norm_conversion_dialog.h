#pragma once

#include <optional>

#include "lang/text_catalogue.h"
#include "media/norm_conversion_presenter.h"
#include "ui/dialog_binder.h"
#include "ui/modal_dialog.h"

namespace velmora::ui {

// "Umrechnung Norm-m³ in Betriebs-m³": binds the conversion presenter.
class NormConversionDialog : public ModalDialog {
    Q_OBJECT
  public:
    NormConversionDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::NormConversionTransfer> run(bool decimalComma, int decimals,
                                                     const media::TextWithUnit& temperature,
                                                     const media::TextWithUnit& pressure);

  private:
    media::NormConversionPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<media::NormConversionTransfer> transfer_;
};

}  // namespace velmora::ui
