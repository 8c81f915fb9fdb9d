#pragma once

#include <QButtonGroup>
#include "ui/modal_dialog.h"
#include <QDialogButtonBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <array>
#include <filesystem>
#include <map>
#include <optional>

#include "lang/text_catalogue.h"
#include "model/element_kind.h"

namespace velmora::ui {

// The element selection dialog: two pages, the irreversible losses (groups 1 … 12) and the
// reversible changes (group 13), each with the group names as headings and one picture button
// per kind. All buttons form one exclusive group; on opening the current kind's button is pressed
// and its page shown. OK or a double click on a button takes the pressed kind; Cancel changes
// nothing.
class ElementSelectionDialog : public ModalDialog {
    Q_OBJECT
  public:
    // The pictures are read from the data folder ("<picture number>.bmp").
    ElementSelectionDialog(const lang::TextCatalogue& texts, const std::filesystem::path& dataFolder,
                           QWidget* parent = nullptr);

    // Opens the dialog on the current kind and returns the kind chosen with OK or a double click,
    // or nothing when the dialog was cancelled.
    std::optional<model::ElementKind> chooseKind(model::ElementKind current);

    // Presses the kind's button and shows its page.
    void setCurrentKind(model::ElementKind kind);
    // The kind of the pressed button.
    model::ElementKind selectedKind() const;

    // The parts a test presses.
    QToolButton* button(model::ElementKind kind) const;
    QTabWidget* pages() const { return pages_; }
    QDialogButtonBox* buttonBox() const { return buttons_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildPage(int firstGroup, int lastGroup, const std::filesystem::path& dataFolder);
    QToolButton* buildButton(model::ElementKind kind, const std::filesystem::path& dataFolder);
    void revealPressedButton();

    const lang::TextCatalogue& texts_;
    QTabWidget* pages_;
    std::array<QScrollArea*, 2> scrollAreas_{};
    QButtonGroup* group_;
    QDialogButtonBox* buttons_;
    std::map<int, QToolButton*> kindButtons_;  // by ElementKind::index()
    std::map<const QAbstractButton*, model::ElementKind> buttonKinds_;
    model::ElementKind current_{};
};

}  // namespace velmora::ui
