#pragma once

#include "lang/text_catalogue.h"
#include "media/air_presenters.h"
#include "media/water_steam_presenters.h"
#include "ui/media_dialog_widgets.h"

// The water and steam dialogs (general, saturation) and the three air dialogs (dry, humid,
// saturated): each binds its presenter.
namespace velmora::ui {

class WaterSteamDialog : public MediaDialog {
    Q_OBJECT
  public:
    WaterSteamDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::WaterSteamPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
};

class WaterSaturationDialog : public MediaDialog {
    Q_OBJECT
  public:
    WaterSaturationDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::WaterSaturationPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
};

class DryAirDialog : public MediaDialog {
    Q_OBJECT
  public:
    DryAirDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::DryAirPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
};

class HumidAirDialog : public MediaDialog {
    Q_OBJECT
  public:
    HumidAirDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::HumidAirPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
};

class SaturatedAirDialog : public MediaDialog {
    Q_OBJECT
  public:
    SaturatedAirDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<media::MediumTransfer> run(media::MediumOutput output);

  private:
    media::SaturatedAirPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
};

}  // namespace velmora::ui
