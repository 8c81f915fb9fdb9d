#pragma once

#include <array>
#include <string>

// The page setup of the printed results table. It lives here rather than in print/ because the
// project file stores it and the print layer sits above the project file.
namespace velmora::workflow {

// How the printed table is scaled: to a chosen font size, or to a number of pages across.
enum class PrintScaling { FontSize, FitToPages };

// Unit of the four margin entries (item index of the unit box, stored in the project file).
enum class MarginUnit { Millimetre = 0, Inch = 1 };

struct PageSettings {
    PrintScaling scaling = PrintScaling::FontSize;
    int fontSize = 8;   // pt, 2 … 16, used when scaling to a font size
    int pagesWide = 1;  // ≥ 1, used when fitting to pages
    bool wordWrap = false;
    std::string fontName = "Arial";
    // Top, bottom, left, right as typed, in `marginUnit`; read as numbers only when printing.
    std::array<std::string, 4> margins{"20", "20", "20", "20"};
    MarginUnit marginUnit = MarginUnit::Millimetre;
    std::string extraHeader;  // the project heading of the results window
    std::string extraFooter;
    bool showFilePath = true;  // the project's path in footer line 1

    // The dialog's "standard settings": smaller print, word wrap, Arial, 20 mm margins, the
    // project name as extra header; the extra footer stays as it is.
    void applyStandard(std::string projectName) {
        scaling = PrintScaling::FontSize;
        fontSize = 7;
        wordWrap = true;
        fontName = "Arial";
        margins = {"20", "20", "20", "20"};
        marginUnit = MarginUnit::Millimetre;
        extraHeader = std::move(projectName);
        showFilePath = true;
    }

    friend bool operator==(const PageSettings&, const PageSettings&) = default;
};

}  // namespace velmora::workflow
