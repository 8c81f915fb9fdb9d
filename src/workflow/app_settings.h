#pragma once

#include <array>
#include <optional>
#include <string>

#include "lang/edition.h"
#include "model/unit_system.h"

namespace velmora::workflow {

// How the results window names the project in its title.
enum class TitleForm { FullPath, FileName };

// The options of the settings dialog and the table widths kept with them.
struct Options {
    model::UnitSystem unitSystem = model::UnitSystem::Metric;  // units of the results table
    bool restoreFormAtStart = true;  // "save settings at exit": the next start restores the form
    int decimals = 3;                // 0 … 6, places of the results table
    model::UnitSystem userDatabaseUnits = model::UnitSystem::Metric;
    TitleForm titleForm = TitleForm::FileName;
    std::array<int, 2> normalColumnWidths{145, 150};  // pixels: caption column, element columns
    bool updateCheck = false;  // look for a newer program at start

    // The options of a first start in the edition (the English edition's caption column is wider).
    static Options freshStart(lang::Edition edition) {
        Options options;
        options.normalColumnWidths = {edition.defaultNormalColumnWidth(), 150};
        return options;
    }

    friend bool operator==(const Options&, const Options&) = default;
};

// Position and size of a window in screen pixels.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Where the three main windows were; the desktop program fills it at closing and applies it at
// start. A part that was never stored (a first start) is empty, and the window keeps the place
// the window system gives it.
struct WindowLayout {
    std::optional<WindowPlacement> mainWindow;  // position only; width and height are not kept
    std::optional<WindowPlacement> resultsWindow;
    std::optional<WindowPlacement> shortDisplay;
    std::optional<std::array<int, 4>> shortDisplayColumns;  // widths of its four columns
    // The desktop's own records of the main window's frame and client rectangles (and its screen,
    // maximised state) and of the docks inside it, as printable text. The positions above stay
    // written beside them for older stores; at start the records are preferred, because a left
    // and top alone cannot say whether they meant the frame or the client area.
    std::optional<std::string> mainGeometry;
    std::optional<std::string> dockLayout;

    friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

}  // namespace velmora::workflow
