#pragma once

namespace velmora::ui {

class MainWindow;

// Provides the Medium menu's water and steam, air, brine, heat-transfer oil, aqueous solution, property estimation and
// user database commands of the main window. Each dialog is created on first use and kept.
void installMediaCalculationDialogs(MainWindow& window);

}  // namespace velmora::ui
