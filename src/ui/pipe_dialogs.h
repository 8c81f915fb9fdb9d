#pragma once

#include <filesystem>

#include "lang/text_catalogue.h"
#include "pipedata/circular_pipe_presenter.h"
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

private:
    void refresh();

    const lang::TextCatalogue& texts_;
    pipedata::CircularPipePresenter presenter_;
    std::filesystem::path dataFolder_;
    DialogBinder binder_;
    DialogMessenger messenger_;
    QTabBar* pages_;
    const pipedata::TakeOverRouter* router_ = nullptr;
    pipedata::TakeOverReceipt receipt_;
};

// Provides the Pipe data menu's table commands of the main window.
void installPipeDataDialogs(MainWindow& window);

}  // namespace velmora::ui
