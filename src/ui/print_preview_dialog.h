#pragma once

#include "ui/modal_dialog.h"
#include <QWidget>
#include <vector>

#include "lang/text_catalogue.h"
#include "print/print_page.h"

class QLabel;
class QPushButton;

namespace velmora::ui {

// One page drawn on the screen as on paper, scaled to the widget, with the printer's painter code.
class PageView : public QWidget {
    Q_OBJECT
  public:
    PageView(const print::PageGeometry& geometry, double dpi, QWidget* parent = nullptr);

    void setPage(const print::PrintPage* page);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    print::PageGeometry geometry_;
    double dpi_;
    const print::PrintPage* page_ = nullptr;
};

// The print preview (TDruckvorschauDlg): page n of count, "Weiter" and "Vorher" step through
// 1 … count. It ends with Accepted when the user asks to print.
class PrintPreviewDialog : public ModalDialog {
    Q_OBJECT
  public:
    PrintPreviewDialog(const lang::TextCatalogue& texts, const std::vector<print::PrintPage>& pages,
                       const print::PageGeometry& geometry, double dpi, QWidget* parent = nullptr);

    int currentPage() const { return current_; }  // 1 … count
    void showPage(int page);

  private:
    const lang::TextCatalogue& texts_;
    const std::vector<print::PrintPage>& pages_;
    int current_ = 1;
    PageView* view_;
    QLabel* pageLabel_;
    QPushButton* previous_;
    QPushButton* next_;
};

}  // namespace velmora::ui
