#include "ui/main_window.h"
#include "ui/tool_dialogs.h"

namespace velmora::ui {

// Each group of dialogs provides its menu entries here, in the order of the menus.
void MainWindow::installCommands() {
    installToolDialogs(*this);
}

}  // namespace velmora::ui
