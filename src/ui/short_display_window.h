#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QWidget>

#include "workflow/short_display.h"

namespace velmora::ui {

// The short display (TKurzAnzeige): one line per element with number, element, designation and
// pressure loss, the total below, and the buttons that reorder or delete calculations. It lives in
// a dock of the main window, beside the input panels.
class ShortDisplayWindow : public QWidget {
    Q_OBJECT
public:
    ShortDisplayWindow(workflow::ShortDisplay& display, const lang::TextCatalogue& texts, QWidget* parent = nullptr);

    // Rebuilds the lines from the results table.
    void reload();

Q_SIGNALS:
    void tableChanged();  // a line moved, a calculation deleted or a designation edited here

private:
    workflow::ShortDisplay& display_;
    QTableWidget* grid_;
    QLabel* total_;
    bool reloading_ = false;
};

}  // namespace velmora::ui
