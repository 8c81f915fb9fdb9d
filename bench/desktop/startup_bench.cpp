// Timed start of the desktop program and timed calculations into a long table.
//
//   velmora_startup_bench [--edition=X] [--columns=N] [--runs=N]
//
// 1. Start: from the top of main() through QApplication, the text files, the splash, the main
//    window built and shown with the results window, to both windows exposed (the steps of the
//    program's own main()). Runs offscreen unless QT_QPA_PLATFORM says otherwise.
// 2. Calculation with N columns (1000 unless given) already in the table, the results window and
//    the short display shown: the time of MainWindow::calculate() (the column appended and every
//    window updated), and of the same with the repaint that follows, per calculation.
// Figures in milliseconds on standard output; not part of the tests.
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "ui/main_window.h"
#include "ui/splash.h"
#include "ui/startup.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processes events until every window is exposed (at most 5 s).
bool waitExposed(std::initializer_list<QWidget*> widgets) {
    QElapsedTimer waited;
    waited.start();
    const auto exposed = [&] {
        return std::all_of(widgets.begin(), widgets.end(),
                           [](QWidget* w) { return w->windowHandle() && w->windowHandle()->isExposed(); });
    };
    while (!exposed() && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
    return exposed();
}

int option(const QStringList& arguments, const QString& name, int fallback) {
    for (const QString& argument : arguments)
        if (argument.startsWith("--" + name + "=")) return argument.section('=', 1).toInt();
    return fallback;
}

struct Figures {
    double median;
    double worst;
};

Figures summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    const double appReady = msSince(start);
    const QStringList arguments = QApplication::arguments();
    auto texts = velmora::ui::loadTextsOrExplain(velmora::ui::chooseEdition(arguments, QString()));
    if (!texts) return 1;
    const double textsReady = msSince(start);
    auto splash = velmora::ui::showSplash(*texts);
    velmora::ui::MainWindow window(*texts, VELMORA_DATA_DIR);
    const double windowBuilt = msSince(start);
    window.show();
    splash->finish(&window);
    window.resultsWindow().show();
    if (!waitExposed({&window, &window.resultsWindow()})) {
        std::fprintf(stderr, "the windows were not exposed\n");
        return 1;
    }
    const double shown = msSince(start);
    std::printf("start (%s platform)\n", qPrintable(QGuiApplication::platformName()));
    std::printf("  QApplication             %8.1f ms\n", appReady);
    std::printf("  text files loaded        %8.1f ms\n", textsReady);
    std::printf("  main window built        %8.1f ms\n", windowBuilt);
    std::printf("  windows shown, exposed   %8.1f ms   (target < 300)\n", shown);

    // A long table: one calculated column, copied until the table holds N columns.
    const int columns = option(arguments, "columns", 1000);
    const int runs = option(arguments, "runs", 30);
    window.shortDisplayWindow().show();
    window.calculate();
    const velmora::workflow::ResultColumn column = window.table().column(1);
    for (int c = 2; c <= columns; ++c) window.table().appendColumn(column);
    window.calculate();  // the windows take the long table
    waitExposed({&window.shortDisplayWindow()});

    std::vector<double> calculateOnly;
    std::vector<double> withRepaint;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point before = Clock::now();
        window.calculate();
        calculateOnly.push_back(msSince(before));
        QApplication::processEvents();
        withRepaint.push_back(msSince(before));
    }
    const Figures calc = summarise(calculateOnly);
    const Figures paint = summarise(withRepaint);
    std::printf("calculation with %d columns in the table (%d runs)\n", columns + 1, runs);
    std::printf("  calculate(), windows updated   median %7.2f ms, worst %7.2f ms   (target < 20)\n",
                calc.median, calc.worst);
    std::printf("  ... and the repaint after it   median %7.2f ms, worst %7.2f ms\n", paint.median,
                paint.worst);
    if (window.table().elementCount() != columns + 1 + runs) {
        std::fprintf(stderr, "a calculation added no column\n");
        return 1;
    }
    return 0;
}
