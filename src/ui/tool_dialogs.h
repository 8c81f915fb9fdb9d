#pragma once

#include <filesystem>
#include <utility>

#include "tools/channel_presenters.h"
#include "tools/converter_presenters.h"
#include "tools/nominal_diameter_presenter.h"
#include "tools/orifice_presenter.h"
#include "tools/outflow_presenters.h"
#include "tools/pipe_content.h"
#include "ui/tool_dialog.h"

// The dialogs of the engineering tools, each owning its presenter (constructed before the dialog
// frame that binds it).
namespace velmora::ui {

class MainWindow;

template <class Presenter>
struct OwnedPresenter {
    template <class... Args>
    explicit OwnedPresenter(Args&&... args) : presenter(std::forward<Args>(args)...) {}
    Presenter presenter;
};

// Economic pipe size (TNennw_Fl_Dlg, TNennw_Ga_Dlg).
class NominalDiameterDialog : private OwnedPresenter<tools::NominalDiameterPresenter>, public ToolDialog {
public:
    NominalDiameterDialog(const lang::TextCatalogue& texts, tools::EconomicMedium medium,
                          const std::filesystem::path& data, QWidget* parent);
    void open(const tools::MainFormFlow& flow);
};

// The Strickler coefficient table (TDabaStricklerDlg): the coefficient taken, or empty.
class StricklerTableDialog : private OwnedPresenter<tools::StricklerTablePresenter>, public ToolDialog {
public:
    StricklerTableDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data, QWidget* parent);
    std::string choose();
};

// Existing channel (TGerinneDlg) and channel design (TKanalDlg).
class ChannelDialog : public ToolDialog {
public:
    ChannelDialog(tools::ChannelPresenterBase& presenter, StricklerTableDialog& table,
                  const std::filesystem::path& data, QWidget* parent);
    void open(const tools::ToolSettings& settings);

protected:
    void build(QGroupBox* sectionGroup, QGroupBox* resultsGroup, QWidget* extra);
    tools::ChannelPresenterBase& channel_;
    StricklerTableDialog& table_;
};

class ChannelCalcDialog : private OwnedPresenter<tools::ChannelCalcPresenter>, public ChannelDialog {
public:
    ChannelCalcDialog(const lang::TextCatalogue& texts, StricklerTableDialog& table, const std::filesystem::path& data,
                      QWidget* parent);
};

class ChannelDesignDialog : private OwnedPresenter<tools::ChannelDesignPresenter>, public ChannelDialog {
public:
    ChannelDesignDialog(const lang::TextCatalogue& texts, StricklerTableDialog& table,
                        const std::filesystem::path& data, QWidget* parent);
};

// The outflow coefficient tables: the coefficient taken, or empty.
class SmallCoefficientDialog : private OwnedPresenter<tools::SmallCoefficientPresenter>, public ToolDialog {
public:
    SmallCoefficientDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data, QWidget* parent);
    std::string choose();
};

class LargeCoefficientDialog : private OwnedPresenter<tools::LargeCoefficientPresenter>, public ToolDialog {
public:
    LargeCoefficientDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data, QWidget* parent);
    std::string choose();
};

// Outflow at a constant level (TAusfluss_konstDlg) and at a falling level (TAusfluss_veraeDlg).
class OutflowConstantDialog : private OwnedPresenter<tools::OutflowConstantPresenter>, public ToolDialog {
public:
    OutflowConstantDialog(const lang::TextCatalogue& texts, SmallCoefficientDialog& small,
                          LargeCoefficientDialog& large, const std::filesystem::path& data, QWidget* parent);
    void open(const tools::ToolSettings& settings);
};

class OutflowFallingDialog : private OwnedPresenter<tools::OutflowFallingPresenter>, public ToolDialog {
public:
    OutflowFallingDialog(const lang::TextCatalogue& texts, SmallCoefficientDialog& small,
                         const std::filesystem::path& data, QWidget* parent);
    void open(const tools::ToolSettings& settings);
};

// Orifice sizing (TDrosselblendeDlg).
class OrificeDialog : private OwnedPresenter<tools::OrificePresenter>, public ToolDialog {
public:
    OrificeDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data, QWidget* parent);
    void open(const tools::OrificeMedium& medium, const tools::ToolSettings& settings);
};

// The converters; open() runs the dialog, the transfer is applied by the caller.
class KvZetaDialog : private OwnedPresenter<tools::KvZetaPresenter>, public ToolDialog {
public:
    KvZetaDialog(const lang::TextCatalogue& texts, tools::KvZetaPresenter::Coefficient coefficient, QWidget* parent);
    std::optional<tools::KvZetaPresenter::Transfer> open(const tools::EntryWithUnit& diameter,
                                                         const tools::ToolSettings& settings);
};

class HeadDialog : private OwnedPresenter<tools::HeadPresenter>, public ToolDialog {
public:
    HeadDialog(const lang::TextCatalogue& texts, QWidget* parent);
    void open(model::Real totalBar, const std::string& density, int densityUnit, const tools::ToolSettings& settings);
};

class VelocityToFlowDialog : private OwnedPresenter<tools::VelocityToFlowPresenter>, public ToolDialog {
public:
    VelocityToFlowDialog(const lang::TextCatalogue& texts, QWidget* parent);
    std::optional<std::string> open(const tools::EntryWithUnit& diameter, std::optional<model::Real> velocity,
                                    const tools::ToolSettings& settings);
};

class FlowToVelocityDialog : private OwnedPresenter<tools::FlowToVelocityPresenter>, public ToolDialog {
public:
    FlowToVelocityDialog(const lang::TextCatalogue& texts, QWidget* parent);
    void open(bool massFlow, const tools::EntryWithUnit& flow, const tools::EntryWithUnit& diameter,
              const tools::ToolSettings& settings);
};

class PipeContentDialog : private OwnedPresenter<tools::PipeContentPresenter>, public ToolDialog {
public:
    PipeContentDialog(const lang::TextCatalogue& texts, QWidget* parent);
    void open(std::vector<tools::ContentColumn> columns, const std::string& firstFlow,
              const tools::ToolSettings& settings);

private:
    QSpinBox* first_;
    QSpinBox* last_;
};

// Provides the Calculate menu's tools on the main window.
void installToolDialogs(MainWindow& window);

}  // namespace velmora::ui
