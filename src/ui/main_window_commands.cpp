#include "ui/main_window.h"
#include "ui/media_calculation_commands.h"
#include "ui/pipe_dialogs.h"
#include "ui/system_curve_command.h"
#include "ui/tool_dialogs.h"

namespace velmora::ui {

// Each group of dialogs provides its menu entries here, in the order of the menus.
void MainWindow::installCommands() {
    installMediaCalculationDialogs(*this);
    installPipeDataDialogs(*this);
    installSystemCurve(*this);
    installToolDialogs(*this);
}

}  // namespace velmora::ui
