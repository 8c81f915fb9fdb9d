#include "ui/system_curve_command.h"

#include <QTableView>

#include "persist/settings_store.h"
#include "tools/curve_settings.h"
#include "ui/curve_plot_window.h"
#include "ui/curve_printing.h"
#include "ui/curve_range_dialog.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "workflow/system_curve.h"

namespace velmora::ui {

namespace {

// The tool's state, owned by the main window: both presenters and their windows, made on first use.
class SystemCurveTool : public QObject {
  public:
    explicit SystemCurveTool(MainWindow& window) : QObject(&window), window_(window) {}

    void open() {
        if (const auto refusal = workflow::systemCurveRefusal(window_.form(), window_.table())) {
            window_.messenger().show(*refusal);
            return;
        }
        if (!range_) create();
        rangeDialog_->prepare(window_.form().text(workflow::FormField::MediumName));
        rangeDialog_->exec();
        saveSettings();
    }

  private:
    void create() {
        const lang::TextCatalogue& texts = window_.texts();
        range_ = std::make_unique<tools::CurveRangePresenter>(texts);
        plot_ = std::make_unique<tools::CurvePlotPresenter>(texts);
        settings_.pump.headUnit = tools::CurvePlotPresenter::defaultHeadUnit(window_.options().unitSystem);
        if (persist::SettingsStore* store = window_.settingsStore();
            store && window_.options().restoreFormAtStart)
            settings_ = tools::readSystemCurveSettings(*store, window_.options().unitSystem);
        range_->setEntries(settings_.range);
        plot_->setEntries(settings_.pump);
        rangeDialog_ = new CurveRangeDialog(
            *range_, [this](const tools::CurveRange& r) { run(r); }, &window_);
        plotWindow_ = new CurvePlotWindow(*plot_, fontFamily(), &window_);
    }

    QString fontFamily() const {
        const auto* grid = window_.resultsWindow().findChild<QTableView*>();
        return printFontFamily(grid ? grid->font() : window_.font());
    }

    void run(const tools::CurveRange& range) {
        auto result = workflow::runSystemCurve(window_.table(), window_.form(), range, window_.messenger());
        if (!result) return;
        const auto pipeline = result->pipeline;
        const tools::Real factor = result->data.unitFactor;
        plot_->setCurve(std::move(result->data), std::move(result->medium),
                        [pipeline, factor](tools::Real flow) { return pipeline->lossAt(flow * factor); });
        const QString title = globalText(window_.texts(), model::GlobalText::CaptionPressureLoss) + " " +
                              window_.resultsWindow().windowTitle();
        plotWindow_->prepare(title, settings_.pictureWidth, settings_.pictureHeight);
        plotWindow_->exec();
        settings_.pictureWidth = plotWindow_->pictureWidth();
        settings_.pictureHeight = plotWindow_->pictureHeight();
    }

    // Kept at once, so that the points typed survive whatever ends the program; the main window
    // reports a store that cannot be written when it saves at closing.
    void saveSettings() {
        settings_.range = range_->entries();
        settings_.pump = plot_->entries();
        persist::SettingsStore* store = window_.settingsStore();
        if (!store) return;
        try {
            tools::writeSystemCurveSettings(*store, settings_);
            store->flush();
        } catch (const persist::SettingsError&) {
        }
    }

    MainWindow& window_;
    std::unique_ptr<tools::CurveRangePresenter> range_;
    std::unique_ptr<tools::CurvePlotPresenter> plot_;
    tools::SystemCurveSettings settings_;
    CurveRangeDialog* rangeDialog_ = nullptr;
    CurvePlotWindow* plotWindow_ = nullptr;
};

}  // namespace

void installSystemCurve(MainWindow& window) {
    auto* tool = new SystemCurveTool(window);
    window.provideCommand(model::MyWindowText::CalcSystemCurve, [tool] { tool->open(); });
}

}  // namespace velmora::ui
