#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>

#include "media/medium_transfer.h"
#include "ui/dialog_binder.h"
#include "ui/modal_dialog.h"

// The widgets the brine, oil, solution, estimation and user database dialogs are made of, each
// bound to its presenter's field at creation.
namespace velmora::ui {

// A label whose text the presenter sets (a caption).
QLabel* captionLabel(DialogBinder& binder, int field);
// A result shown in a sunken, selectable box.
QLabel* outputLabel(DialogBinder& binder, int field, int minimumWidth = 90);
QLineEdit* entryField(DialogBinder& binder, int field, int width = 90);
QComboBox* choiceBox(DialogBinder& binder, int field);
QPushButton* pushButton(DialogBinder& binder, int field, std::function<void()> pressed);

// The frame of these dialogs: runs the dialog modally and hands back what its take-over button
// chose (none when it was closed otherwise).
class MediaDialog : public ModalDialog {
    Q_OBJECT
  public:
    explicit MediaDialog(QWidget* parent) : ModalDialog(parent) {}

    std::optional<media::MediumTransfer> runModal() {
        transfer_.reset();
        exec();
        return transfer_;
    }

  protected:
    // Closes the dialog with this transfer, if there is one.
    void finish(std::optional<media::MediumTransfer> transfer) {
        if (!transfer) return;
        transfer_ = std::move(transfer);
        accept();
    }

  private:
    std::optional<media::MediumTransfer> transfer_;
};

}  // namespace velmora::ui
