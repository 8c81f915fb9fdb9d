#include "ui/media_calculation_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>

#include "ui/brine_oil_dialogs.h"
#include "ui/database_dialogs.h"
#include "ui/estimation_dialog.h"
#include "ui/main_window.h"
#include "ui/norm_conversion_dialog.h"
#include "ui/solution_dialog.h"
#include "ui/user_database_dialogs.h"
#include "ui/water_air_dialogs.h"

namespace velmora::ui {

namespace {

using model::MyWindowText;

// USER.DAT beside the program where that folder takes it (the program's own folder in a
// developer's build or a portable copy), else in the user's data folder (an installed program
// whose folder is read-only).
std::filesystem::path userDatabasePath(const std::filesystem::path& dataFolder) {
    const std::filesystem::path beside = dataFolder / std::string(media::userDatabaseFileName);
    if (std::filesystem::exists(beside) ||
        QFileInfo(QString::fromStdString(dataFolder.string())).isWritable())
        return beside;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return std::filesystem::path(folder.toStdString()) / std::string(media::userDatabaseFileName);
}

struct MediaDialogs {
    explicit MediaDialogs(MainWindow& window) : window(window), files(window.dataFolder()) {
        database.path = userDatabasePath(window.dataFolder());
    }

    media::MediumOutput output() const {
        return {window.options().unitSystem, window.texts().edition().decimalComma()};
    }
    void apply(const std::optional<media::MediumTransfer>& transfer) {
        if (!transfer) return;
        window.form().apply(*transfer);
        window.refreshForm();
    }
    // The editor owns the records; it reads the file when it is created.
    UserDatabaseEditDialog& editor() {
        if (!edit) edit = new UserDatabaseEditDialog(window.texts(), database, &window);
        return *edit;
    }

    MainWindow& window;
    persist::DataFileSet files;
    media::UserDatabase database;
    BrineDialog* brine = nullptr;
    OilDialog* oil = nullptr;
    SolutionDialog* solution = nullptr;
    EstimationDialog* estimation = nullptr;
    UserDatabaseEditDialog* edit = nullptr;
    UserDatabaseDialog* select = nullptr;
    WaterSteamDialog* water = nullptr;
    WaterSaturationDialog* waterSaturation = nullptr;
    DryAirDialog* dryAir = nullptr;
    HumidAirDialog* humidAir = nullptr;
    SaturatedAirDialog* saturatedAir = nullptr;
    GasDialog* gas = nullptr;
    LiquidDialog* liquid = nullptr;
    NormConversionDialog* normConversion = nullptr;
};

// A dialog of the medium menu that needs only the texts: created on first use, then reused.
template <class Dialog>
void provideTextDialog(MainWindow& window, std::shared_ptr<MediaDialogs> dialogs, MyWindowText entry,
                       Dialog* MediaDialogs::*slot) {
    window.provideCommand(entry, [dialogs, slot] {
        Dialog*& dialog = (*dialogs).*slot;
        if (!dialog) dialog = new Dialog(dialogs->window.texts(), &dialogs->window);
        dialogs->apply(dialog->run(dialogs->output()));
    });
}

}  // namespace

void installMediaCalculationDialogs(MainWindow& window) {
    auto dialogs = std::make_shared<MediaDialogs>(window);
    provideTextDialog(window, dialogs, MyWindowText::MediumWaterGeneral, &MediaDialogs::water);
    provideTextDialog(window, dialogs, MyWindowText::MediumWaterSaturated, &MediaDialogs::waterSaturation);
    provideTextDialog(window, dialogs, MyWindowText::MediumAirDry, &MediaDialogs::dryAir);
    provideTextDialog(window, dialogs, MyWindowText::MediumAirHumid, &MediaDialogs::humidAir);
    provideTextDialog(window, dialogs, MyWindowText::MediumAirSaturated, &MediaDialogs::saturatedAir);
    // Standard to operating volume flow: the gas entries of the main form in, the operating flow out.
    window.provideCommand(MyWindowText::CalcNormToOperating, [dialogs] {
        MainWindow& w = dialogs->window;
        if (!dialogs->normConversion) dialogs->normConversion = new NormConversionDialog(w.texts(), &w);
        const auto entry = [&](workflow::FormField text, workflow::FormField unit) {
            return media::TextWithUnit{w.form().text(text), w.form().unitBox(unit).current()};
        };
        const auto transfer = dialogs->normConversion->run(
            w.texts().edition().decimalComma(), w.options().decimals,
            entry(workflow::FormField::InletTemperature, workflow::FormField::InletTemperatureUnit),
            entry(workflow::FormField::InletPressure, workflow::FormField::InletPressureUnit));
        if (!transfer) return;
        w.form().apply(transfer->medium);
        w.form().setFlowQuantity(model::FlowQuantity::Volume);
        w.form().setText(workflow::FormField::Flow, transfer->flow.text);
        w.form().selectUnitLabel(workflow::FormField::FlowUnit, transfer->flow.unit);
        w.refreshForm();
    });
    window.provideCommand(MyWindowText::MediumLiquids, [dialogs] {
        if (!dialogs->liquid)
            dialogs->liquid = new LiquidDialog(dialogs->window.texts(), dialogs->files, &dialogs->window);
        dialogs->apply(dialogs->liquid->run(dialogs->output()));
    });
    window.provideCommand(MyWindowText::MediumGases, [dialogs] {
        if (!dialogs->gas)
            dialogs->gas = new GasDialog(dialogs->window.texts(), dialogs->files, &dialogs->window);
        dialogs->apply(dialogs->gas->run(dialogs->output()));
    });
    window.provideCommand(MyWindowText::MediumBrines, [dialogs] {
        if (!dialogs->brine) dialogs->brine = new BrineDialog(dialogs->window.texts(), &dialogs->window);
        dialogs->apply(dialogs->brine->run(dialogs->output()));
    });
    window.provideCommand(MyWindowText::MediumOils, [dialogs] {
        if (!dialogs->oil)
            dialogs->oil = new OilDialog(dialogs->window.texts(), dialogs->files, &dialogs->window);
        dialogs->apply(dialogs->oil->run(dialogs->output()));
    });
    window.provideCommand(MyWindowText::MediumAqueous, [dialogs] {
        if (!dialogs->solution)
            dialogs->solution = new SolutionDialog(dialogs->window.texts(), dialogs->files, &dialogs->window);
        dialogs->apply(dialogs->solution->run(dialogs->output()));
    });
    window.provideCommand(MyWindowText::MediumEstimate, [dialogs] {
        if (!dialogs->estimation)
            dialogs->estimation =
                new EstimationDialog(dialogs->window.texts(), dialogs->files, &dialogs->window);
        dialogs->apply(dialogs->estimation->run(dialogs->output()));
    });
    window.provideCommand(MyWindowText::MediumUserDatabaseEdit,
                          [dialogs] { dialogs->editor().run(dialogs->window.options().userDatabaseUnits); });
    window.provideCommand(MyWindowText::MediumUserDatabase, [dialogs] {
        dialogs->editor();  // the records come with the editor
        if (!dialogs->select)
            dialogs->select =
                new UserDatabaseDialog(dialogs->window.texts(), dialogs->database, &dialogs->window);
        dialogs->apply(dialogs->select->run(dialogs->window.options().userDatabaseUnits));
    });
}

}  // namespace velmora::ui
