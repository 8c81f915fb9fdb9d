#pragma once

#include <filesystem>

#include "lang/text_catalogue.h"
#include "pipedata/circular_pipe_presenter.h"
#include "pipedata/rectangular_pipe_presenter.h"
#include "pipedata/roughness_presenter.h"
#include "pipedata/zeta_presenter.h"
#include "pipedata/take_over.h"
#include "ui/dialog_binder.h"
#include "ui/modal_dialog.h"

class QTabBar;

namespace velmora::ui {

class MainWindow;

// The circular pipe tables (TRohrDlg): three pages of standards, the chosen pipe's dimensions and
// mass, and the take-over of its inside diameter through the main window's router.
class CircularPipeDialog : public ModalDialog {
    Q_OBJECT
public:
    CircularPipeDialog(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent);

    pipedata::CircularPipePresenter& presenter() { return presenter_; }
    // Shows the dialog modally; the files are read the first time. What took the values, if the
    // user took them over.
    pipedata::TakeOverReceipt run(const pipedata::TakeOverRouter& router);
    // Shows the presenter's state (after a choice made through the presenter).
    void refresh();

private:

    const lang::TextCatalogue& texts_;
    pipedata::CircularPipePresenter presenter_;
    std::filesystem::path dataFolder_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    QTabBar* pages_;
    const pipedata::TakeOverRouter* router_ = nullptr;
    pipedata::TakeOverReceipt receipt_;
};

// The rectangular pipe tables (TRechteckDlg): hollow sections and ducts by standard, shape, size and
// wall; takes over the inside width and height.
class RectangularPipeDialog : public ModalDialog {
    Q_OBJECT
public:
    RectangularPipeDialog(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent);

    pipedata::RectangularPipePresenter& presenter() { return presenter_; }
    pipedata::TakeOverReceipt run(const pipedata::TakeOverRouter& router);
    // Shows the presenter's state (after a choice made through the presenter).
    void refresh();

private:

    const lang::TextCatalogue& texts_;
    pipedata::RectangularPipePresenter presenter_;
    std::filesystem::path dataFolder_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    const pipedata::TakeOverRouter* router_ = nullptr;
    pipedata::TakeOverReceipt receipt_;
};

// The roughness database (TRauhigkeitDlg): 42 surfaces; take over, or a double click on a line,
// hands the roughness on and closes the dialog.
class RoughnessDialog : public ModalDialog {
    Q_OBJECT
public:
    RoughnessDialog(const lang::TextCatalogue& texts, QWidget* parent);

    pipedata::RoughnessPresenter& presenter() { return presenter_; }
    pipedata::TakeOverReceipt run(const pipedata::TakeOverRouter& router);

private:
    void takeOver();

    pipedata::RoughnessPresenter presenter_;
    DialogBinder binder_;
    const pipedata::TakeOverRouter* router_ = nullptr;
    pipedata::TakeOverReceipt receipt_;
};

// The zeta database (TZetaDlg): makers' fittings with zeta per nominal size.
class ZetaDialog : public ModalDialog {
    Q_OBJECT
public:
    ZetaDialog(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent);

    pipedata::ZetaPresenter& presenter() { return presenter_; }
    pipedata::TakeOverReceipt run(const pipedata::TakeOverRouter& router);

private:
    pipedata::ZetaPresenter presenter_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    const pipedata::TakeOverRouter* router_ = nullptr;
    pipedata::TakeOverReceipt receipt_;
};

// Provides the Pipe data menu's table commands of the main window.
void installPipeDataDialogs(MainWindow& window);

}  // namespace velmora::ui
