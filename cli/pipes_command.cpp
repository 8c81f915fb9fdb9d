#include "pipes_command.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "persist/data_file_error.h"
#include "pipedata/circular_pipe_presenter.h"

namespace velmora::cli {

namespace {

using pipedata::CircularPipeField;
using pipedata::CircularPipePresenter;
using pipedata::PipePage;
using F = CircularPipeField;

constexpr PipePage kPages[] = {PipePage::European, PipePage::American, PipePage::Other};
constexpr char kLetters[] = {'E', 'A', 'O'};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Every offered standard as (page position, material position, standard position) with its id.
struct Offered {
    int page;
    int material;
    int standard;
    std::string id;
    std::string name;
    std::string designation;
};

std::vector<Offered> offeredStandards(CircularPipePresenter& presenter) {
    std::vector<Offered> all;
    for (int p = 0; p < 3; ++p) {
        presenter.choose(F::Page, p);
        const int materials = p == 0 ? 3 : 1;
        for (int m = 0; m < materials; ++m) {
            if (p == 0) presenter.choose(F::Material, m);
            const auto standards = pipedata::pipeStandards(kPages[p]);
            for (std::size_t i = 0; i < presenter.offered().size(); ++i) {
                const int number = standards[static_cast<std::size_t>(presenter.offered()[i])].number;
                all.push_back({p, m, static_cast<int>(i), kLetters[p] + std::to_string(number),
                               presenter.standardName(kPages[p], number), presenter.designation(kPages[p], number)});
            }
        }
    }
    return all;
}

std::string output(const CircularPipePresenter& presenter, F field) { return presenter.form().output(static_cast<int>(field)); }

}  // namespace

int runPipes(const std::vector<std::string>& args, const lang::TextCatalogue& texts, const persist::DataFileSet& files,
             std::ostream& out, std::ostream& err) {
    const bool list = args.size() == 1 && args[0] == "list";
    const bool show = args.size() == 2 && args[0] == "show";
    if (!list && !show) {
        err << "usage: velmora-cli pipes list | pipes show STANDARD\n";
        return 2;
    }
    CircularPipePresenter presenter(texts);
    try {
        presenter.load(pipedata::readCircularPipeFiles(files, texts.edition().decimalComma()));
    } catch (const persist::DataFileError& e) {
        err << "error: " << e.what() << '\n';
        return 2;
    }
    const std::vector<Offered> all = offeredStandards(presenter);
    if (list) {
        const std::string pageNames[] = {presenter.form().choice(static_cast<int>(F::Page)).items()[0],
                                         presenter.form().choice(static_cast<int>(F::Page)).items()[1],
                                         presenter.form().choice(static_cast<int>(F::Page)).items()[2]};
        int page = -1;
        for (const Offered& o : all) {
            if (o.page != page) out << (page < 0 ? "" : "\n") << pageNames[o.page] << '\n';
            page = o.page;
            out << o.id << '\t' << o.name << '\t' << o.designation << '\n';
        }
        return 0;
    }
    const std::string wanted = lower(args[1]);
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const Offered& o) { return lower(o.id) == wanted || lower(o.name) == wanted; });
    if (it == all.end()) {
        err << "error: no standard '" << args[1] << "' (velmora-cli pipes list shows them)\n";
        return 2;
    }
    presenter.choose(F::Page, it->page);
    if (it->page == 0) presenter.choose(F::Material, it->material);
    presenter.choose(F::Standard, it->standard);
    const auto& form = presenter.form();
    const bool classes = form.visible(static_cast<int>(F::Class));
    const auto caption = [&](F field) {
        std::string text = form.caption(static_cast<int>(field));
        if (!text.empty() && text.back() == ':') text.pop_back();
        return text;
    };
    out << it->name << '\n';
    out << caption(F::SizeLabel) << (classes ? "\t" + caption(F::ClassLabel) : "") << '\t' << caption(F::OutsideLabel)
        << '\t' << caption(F::WallLabel) << '\t' << caption(F::InsideMmLabel) << '\t' << caption(F::InsideInLabel)
        << '\t' << caption(F::MassKgLabel) << '\n';
    const int sizes = static_cast<int>(form.choice(static_cast<int>(F::Size)).items().size());
    for (int s = 0; s < sizes; ++s) {
        presenter.choose(F::Size, s);
        const auto& classItems = form.choice(static_cast<int>(F::Class)).items();
        const int count = classes ? static_cast<int>(classItems.size()) : 1;
        for (int c = 0; c < count; ++c) {
            if (classes) presenter.choose(F::Class, c);
            // A class that is not made in this size is left out of the listing.
            if (classes && presenter.block()->wallThickness(s, c).empty()) continue;
            out << form.choice(static_cast<int>(F::Size)).current();
            if (classes) out << '\t' << classItems[static_cast<std::size_t>(c)];
            out << '\t' << output(presenter, F::Outside) << '\t' << output(presenter, F::Wall) << '\t'
                << output(presenter, F::InsideMm) << '\t' << output(presenter, F::InsideIn) << '\t'
                << output(presenter, F::MassKg) << '\n';
        }
    }
    return 0;
}

}  // namespace velmora::cli
