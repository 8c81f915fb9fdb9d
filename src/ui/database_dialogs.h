#pragma once

#include <optional>

#include "lang/text_catalogue.h"
#include "media/gas_presenter.h"
#include "media/liquid_presenter.h"
#include "media/vapour_pressure_presenter.h"
#include "persist/data_file_set.h"
#include "ui/media_dialog_widgets.h"

class QTimer;

// The dialogs over the property databases: gases (GASE.STW) and vapour pressures (DADRU.DAD).
namespace velmora::ui {

// "Datenbank sonstige Flüssigkeiten": binds the liquids presenter; the file is read when the
// dialog is made.
class LiquidDialog : public MediaDialog {
    Q_OBJECT
  public:
    LiquidDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::LiquidPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<model::UserMessage> loadMessage_;
};

// "Datenbank sonstige Gase": binds the gas presenter; the file is read when the dialog is made.
class GasDialog : public MediaDialog {
    Q_OBJECT
  public:
    GasDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::GasPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<model::UserMessage> loadMessage_;
};

// "Dampfdruck/Dichte-Datenbank": opened by the NPSH tool and the pump quick design, it hands the
// vapour pressure and the density back to its caller. The file is read on every showing.
class VapourPressureDialog : public ModalDialog {
    Q_OBJECT
  public:
    VapourPressureDialog(const lang::TextCatalogue& texts, persist::DataFileSet files, QWidget* parent);
    std::optional<media::VapourPressureTransfer> run(media::MediumOutput output,
                                                     const media::VapourPressureCaller& caller = {});

  private:
    void finish(std::optional<media::VapourPressureTransfer> transfer);

    media::VapourPressurePresenter presenter_;
    persist::DataFileSet files_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    std::optional<media::VapourPressureTransfer> transfer_;
    QTimer* held_ = nullptr;  // raises the step while an arrow button is held
    int heldTicks_ = 0;
};

}  // namespace velmora::ui
