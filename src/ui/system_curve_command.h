#pragma once

namespace velmora::ui {

class MainWindow;

// Provides the Calculate menu's system characteristic curve: refused for a gas and for an empty
// table, otherwise the range dialog, the run over the results table and the plot window. The
// dialog's entries and the pump points are kept between openings and in the settings.
void installSystemCurve(MainWindow& window);

}  // namespace velmora::ui
