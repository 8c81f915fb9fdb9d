#pragma once

// The texts of the caption-file blocks of the page-setup dialog and the print preview: the value
// of a text is its line offset inside the block.
namespace velmora::model {

// Block "TSeite_einrichtenDlg".
enum class PageSetupText : int {
    Title,            // "Seite einrichten: Berechnungs-Tabelle"
    TabPage,          // page of the layout settings
    TabPrinter,       // page of the printer
    ScalingGroup,     // group of the two scaling modes
    ScaleToFontSize,  // "&Tabelle verkleinern/vergrößern auf Schriftgröße:"
    FitToPages,       // "&Anpassen:"
    PagesWide,        // after the pages-wide entry
    WordWrap,         // "Text-Umbruch innerhalb Zelle"
    FontLabel,
    MarginsGroup,
    MarginTop,
    MarginBottom,
    MarginLeft,
    MarginRight,
    MarginUnit,
    ExtraHeader,   // "Zusätzliche Kopfzeile für Projektname usw:"
    ExtraFooter,   // "Zusätzliche Fußzeile für sonstige Angaben:"
    ShowFilePath,  // "Datei-Pfad in Fußzeile anzeigen"
    Standard,      // the standard-settings button
    Preview,
    Print,
    Pdf,
    PrinterLabel,
    ChangePrinter,   // "Drucker wechseln"
    PageCount,       // before the page count of the current layout
    PdfSaveTitle,    // caption of the save dialog for the PDF file
    PdfFilter,       // its filter
    PdfWriteFailed,  // message: the PDF file cannot be written; the path follows
    PrintFailed,     // message: the printer cannot be started; its name follows
    NoPrinter,       // shown as the printer's name when there is none
    Count
};

// Block "TSeite_Papier": the paper of the page setup's printer page.
enum class PaperText : int {
    PaperLabel,    // before the paper's name and size
    PaperButton,   // opens the page setup of paper size and orientation
    ChooseButton,  // the accepting button of the printer dialog when it only chooses the printer
    Count
};

// Block "TDruckvorschauDlg"; the preview itself is Qt's, only its title is taken from here.
enum class PrintPreviewText : int {
    Title,
    Next,      // "Weiter"
    Previous,  // "Vorher"
    Print,
    Count
};

}  // namespace velmora::model
