#include "ui/main_window.h"

namespace velmora::ui {

// Each group of dialogs provides its menu entries here, in the order of the menus.
void MainWindow::installCommands() {}

}  // namespace velmora::ui
