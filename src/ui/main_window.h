#pragma once

#include <QMainWindow>

#include "lang/text_catalogue.h"

namespace velmora::ui {

// The main window (TMyWindow): medium and element panels, menus and tool bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const lang::TextCatalogue& texts, QWidget* parent = nullptr);

private:
    const lang::TextCatalogue& texts_;
};

}  // namespace velmora::ui
