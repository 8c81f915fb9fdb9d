// The Calculate menu's engineering tools: each dialog created on first use and kept, so that it
// opens again with the entries left in it.
#include <memory>

#include "ui/main_window.h"
#include "ui/tool_dialogs.h"
#include "workflow/tool_inputs.h"

namespace velmora::ui {

namespace {

using model::MyWindowText;

// A dialog made when first asked for, owned by the main window from then on.
template <class Dialog>
class Lazy {
public:
    template <class Make>
    Dialog& get(Make make) {
        if (!dialog_) dialog_ = make();
        return *dialog_;
    }

private:
    Dialog* dialog_ = nullptr;
};

struct ToolDialogSet {
    explicit ToolDialogSet(MainWindow& w) : window(w) {}

    tools::ToolSettings settings() const { return {window.options().unitSystem, window.options().decimals}; }
    const lang::TextCatalogue& texts() const { return window.texts(); }
    const std::filesystem::path& data() const { return window.dataFolder(); }

    StricklerTableDialog& stricklerTable() {
        return strickler.get([this] { return new StricklerTableDialog(texts(), data(), &window); });
    }
    SmallCoefficientDialog& smallTable() {
        return small.get([this] { return new SmallCoefficientDialog(texts(), data(), &window); });
    }
    LargeCoefficientDialog& largeTable() {
        return large.get([this] { return new LargeCoefficientDialog(texts(), data(), &window); });
    }

    MainWindow& window;
    Lazy<NominalDiameterDialog> liquid, gas;
    Lazy<StricklerTableDialog> strickler;
    Lazy<ChannelCalcDialog> channel;
    Lazy<ChannelDesignDialog> channelDesign;
    Lazy<SmallCoefficientDialog> small;
    Lazy<LargeCoefficientDialog> large;
    Lazy<OutflowConstantDialog> constant;
    Lazy<OutflowFallingDialog> falling;
    Lazy<OrificeDialog> orifice;
    Lazy<KvZetaDialog> kv, cv;
    Lazy<HeadDialog> head;
    Lazy<VelocityToFlowDialog> toFlow;
    Lazy<FlowToVelocityDialog> toVelocity;
    Lazy<PipeContentDialog> content;
};

}  // namespace

void installToolDialogs(MainWindow& window) {
    // Lives as long as the window: the lambdas below hold it.
    auto set = std::make_shared<ToolDialogSet>(window);
    MainWindow* w = &window;

    for (auto [entry, medium] : {std::pair{MyWindowText::CalcNominalDiameterLiquid, tools::EconomicMedium::Liquid},
                                 std::pair{MyWindowText::CalcNominalDiameterGas, tools::EconomicMedium::Gas}}) {
        window.provideCommand(entry, [set, w, medium] {
            auto& lazy = medium == tools::EconomicMedium::Liquid ? set->liquid : set->gas;
            lazy.get([&] { return new NominalDiameterDialog(set->texts(), medium, set->data(), w); })
                .open(workflow::mainFormFlow(w->form()));
        });
    }
    window.provideCommand(MyWindowText::CalcHead, [set, w] {
        set->head.get([&] { return new HeadDialog(set->texts(), w); })
            .open(workflow::totalLossBar(w->table()), w->form().text(workflow::FormField::Density),
                  w->form().unitBox(workflow::FormField::DensityUnit).index(), set->settings());
    });
    window.provideCommand(MyWindowText::CalcPipeContent, [set, w] {
        if (w->table().empty()) return;
        set->content.get([&] { return new PipeContentDialog(set->texts(), w); })
            .open(workflow::contentColumns(w->table()), w->table().cell(1, workflow::row::flow), set->settings());
    });
    window.provideCommand(MyWindowText::CalcVelocityToFlow, [set, w] {
        const auto flow = set->toFlow.get([&] { return new VelocityToFlowDialog(set->texts(), w); })
                              .open(workflow::firstParameter(w->form()), workflow::lastMeanVelocity(w->table()),
                                    set->settings());
        if (!flow) return;
        workflow::applyFlowTransfer(w->form(), *flow);
        w->refreshForm();
    });
    window.provideCommand(MyWindowText::CalcFlowToVelocity, [set, w] {
        const workflow::MainForm& form = w->form();
        set->toVelocity.get([&] { return new FlowToVelocityDialog(set->texts(), w); })
            .open(form.flowQuantity() == model::FlowQuantity::Mass,
                  {form.text(workflow::FormField::Flow), form.unitBox(workflow::FormField::FlowUnit).current()},
                  workflow::firstParameter(form), set->settings());
    });
    for (auto [entry, coefficient] :
         {std::pair{MyWindowText::CalcKvToZeta, tools::KvZetaPresenter::Coefficient::Kv},
          std::pair{MyWindowText::CalcCvToZeta, tools::KvZetaPresenter::Coefficient::Cv}}) {
        window.provideCommand(entry, [set, w, coefficient] {
            auto& lazy = coefficient == tools::KvZetaPresenter::Coefficient::Kv ? set->kv : set->cv;
            const auto transfer = lazy.get([&] { return new KvZetaDialog(set->texts(), coefficient, w); })
                                      .open(workflow::firstParameter(w->form()), set->settings());
            if (!transfer) return;
            workflow::applyZetaTransfer(w->form(), *transfer);
            w->refreshForm();
        });
    }
    window.provideCommand(MyWindowText::CalcChannelExisting, [set, w] {
        set->channel.get([&] { return new ChannelCalcDialog(set->texts(), set->stricklerTable(), set->data(), w); })
            .open(set->settings());
    });
    window.provideCommand(MyWindowText::CalcChannelDesign, [set, w] {
        set->channelDesign
            .get([&] { return new ChannelDesignDialog(set->texts(), set->stricklerTable(), set->data(), w); })
            .open(set->settings());
    });
    window.provideCommand(MyWindowText::CalcOutflowConstant, [set, w] {
        set->constant
            .get([&] {
                return new OutflowConstantDialog(set->texts(), set->smallTable(), set->largeTable(), set->data(), w);
            })
            .open(set->settings());
    });
    window.provideCommand(MyWindowText::CalcOutflowFalling, [set, w] {
        set->falling.get([&] { return new OutflowFallingDialog(set->texts(), set->smallTable(), set->data(), w); })
            .open(set->settings());
    });
    window.provideCommand(MyWindowText::CalcOrificeDesign, [set, w] {
        set->orifice.get([&] { return new OrificeDialog(set->texts(), set->data(), w); })
            .open(workflow::orificeMedium(w->form()), set->settings());
    });
}

}  // namespace velmora::ui
