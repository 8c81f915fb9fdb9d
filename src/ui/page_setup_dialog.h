#pragma once

#include "ui/modal_dialog.h"
#include <QPrinter>
#include <QString>

#include "print/table_layout.h"
#include "workflow/page_settings.h"
#include "workflow/results_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace velmora::ui {

// The page setup of the printed results table (TSeite_einrichtenDlg): scaling to a font size or
// to a number of pages across, word wrap, font, margins, extra header and footer lines and the
// file-path option, with preview, printing and PDF output; the printer page chooses the printer
// and the paper with its orientation (landscape at first). OK (and printing) writes the entries
// into the page settings; Cancel leaves them as they were.
class PageSetupDialog : public ModalDialog {
    Q_OBJECT
  public:
    PageSetupDialog(const workflow::ResultsTable& table, workflow::PageSettings& settings,
                    QString windowCaption, QString projectName, QWidget* parent = nullptr);

    // The settings as the entries show them now.
    workflow::PageSettings entries() const;
    // Pages of the layout of the current entries on the current printer.
    int pageCount() const { return layout_.pageCount(); }

    void applyStandardSettings();
    void showPreview();
    // Opens the printer dialog, then prints all pages or the chosen range; true when printed.
    bool printOnPrinter();
    // Asks for a file name, then writes the PDF; true when written.
    bool saveAsPdf();
    // Writes the PDF to `path` with the current entries and accepts the dialog; false (with a
    // message) when the file cannot be written.
    bool saveAsPdfTo(const QString& path);

  private:
    QWidget* buildPageTab();
    QWidget* buildPrinterTab();
    void showSettings(const workflow::PageSettings& settings);
    void relayout();
    void commit();
    void changePrinter();
    void choosePaper();
    void showPrinterName();
    void showError(const QString& text);

    const workflow::ResultsTable& table_;
    workflow::PageSettings& settings_;
    QString windowCaption_;
    QString projectName_;
    QPrinter printer_{QPrinter::HighResolution};
    print::TableLayout layout_;
    bool loading_ = false;

    QRadioButton* scaleToFont_ = nullptr;
    QRadioButton* fitToPages_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    QSpinBox* pagesWide_ = nullptr;
    QCheckBox* wordWrap_ = nullptr;
    QComboBox* fontName_ = nullptr;
    QLineEdit* margins_[4] = {};
    QComboBox* marginUnit_ = nullptr;
    QLineEdit* extraHeader_ = nullptr;
    QLineEdit* extraFooter_ = nullptr;
    QCheckBox* showFilePath_ = nullptr;
    QLabel* pageCount_ = nullptr;
    QLabel* printerName_ = nullptr;
    QLabel* paperName_ = nullptr;
};

}  // namespace velmora::ui
