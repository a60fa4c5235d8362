// In-process costs a user feels: from "Find My Birth Star" to the result window painted, composing the report, and
// printing it to PDF. Run under a real X server (bench/startup.sh does) or with QT_QPA_PLATFORM=offscreen.
#include "desktop/Printing.h"
#include "entry/window/EntryForm.h"
#include "entry/window/FrmMain.h"
#include "knowledge/NakshatraProfile.h"
#include "knowledge/window/FrmResult.h"
#include "report/ReportComposer.h"
#include "shell/WindowSwitcher.h"
#include "tests/support/TestSeams.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// Notes the first paint of the widget it watches.
class PaintWatcher : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return false;
    }
};

void fillAshwiniBirth(FrmMain* entry)
{
    entry->form()->setNameText(QStringLiteral("Asha Rao"));
    entry->form()->setMonthPosition(2);
    entry->form()->selectDay(QStringLiteral("21"));
    entry->form()->selectYear(QStringLiteral("1950"));
    entry->form()->selectHour(QStringLiteral("6"));
    entry->form()->selectMinute(QStringLiteral("30"));
    entry->form()->setZoneHourText(QStringLiteral("0"));
    entry->form()->setZoneMinuteText(QStringLiteral("0"));
    entry->form()->setLongitudeDegreesText(QStringLiteral("0"));
    entry->form()->setLongitudeMinutesText(QStringLiteral("0"));
    entry->form()->setLatitudeDegreesText(QStringLiteral("51"));
    entry->form()->setLatitudeMinutesText(QStringLiteral("28"));
}

// How the time before a click passes. A user takes seconds to fill the form, and the program does what it can
// meanwhile; this much of that time is enough for it. Both roads are timed both ways, in pairs of the same kind:
// - Warm: the event loop keeps polling, so the processor never rests, as when clicks come back to back.
// - AfterRest: the process sleeps until the click, as a user's click finds it; waking the machine then costs both
//   roads alike.
enum class Wait { Warm, AfterRest };

void giveTheUserTime(Wait wait)
{
    constexpr int typingMs = 600;
    if (wait == Wait::AfterRest) {
        QEventLoop typing;
        QTimer::singleShot(typingMs, &typing, &QEventLoop::quit);
        typing.exec();
        return;
    }
    QElapsedTimer typing;
    typing.start();
    while (typing.elapsed() < typingMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void findMyBirthStarToPaintedResult(benchmark::State& state, Wait wait)
{
    TestSeams seams; // no real dialogs, no browser, settings in a scratch file
    WindowSwitcher switcher;
    switcher.setEndStep([] {});
    for (auto _ : state) {
        FrmMain* entry = switcher.showEntryWindow();
        fillAshwiniBirth(entry);
        giveTheUserTime(wait);

        QElapsedTimer timer;
        timer.start();
        entry->cmdRashi_Click();
        FrmResult* result = switcher.resultWindow();
        PaintWatcher watcher;
        result->installEventFilter(&watcher);
        while (!watcher.painted) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);

        result->removeEventFilter(&watcher);
        result->close();
        switcher.hideExitScreen();
        QCoreApplication::processEvents();
    }
}

// The yardstick of the road above: a click on a button, to the first paint of a new, empty top-level window of the
// result window's size. Whatever a new window of that size costs the platform (its backing store above all) is in
// both; what the result window adds is ours.
void clickToPaintedNewWindow(benchmark::State& state, Wait wait)
{
    TestSeams seams;
    QSize resultSize;
    {
        FrmResult result;
        result.show();
        QCoreApplication::processEvents();
        resultSize = result.size();
    }
    QPushButton button(QStringLiteral("Find My Birth Star"));
    button.show();
    QCoreApplication::processEvents();
    std::unique_ptr<QWidget> window;
    QObject::connect(&button, &QPushButton::clicked, &button, [&] {
        window = std::make_unique<QWidget>();
        window->resize(resultSize);
        window->show();
    });
    for (auto _ : state) {
        giveTheUserTime(wait);
        QElapsedTimer timer;
        timer.start();
        button.click();
        PaintWatcher watcher;
        window->installEventFilter(&watcher);
        while (!watcher.painted) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        window.reset();
        QCoreApplication::processEvents();
    }
}

// Prints the ratio of the road's median to its yardstick's, for each way of waiting, measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") {
                const std::string& args = run.run_name.args;
                medians[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* wait : {"warm", "after_rest"}) {
            const auto road = medians.find(std::string("findMyBirthStarToPaintedResult/") + wait);
            const auto yardstick = medians.find(std::string("clickToPaintedNewWindow/") + wait);
            if (road != medians.end() && yardstick != medians.end() && yardstick->second > 0) {
                std::printf("ratio, %s: Find My Birth Star to painted result / click to painted new window = %.2f "
                            "(goal <= 1.50)\n",
                            wait, road->second / yardstick->second);
            }
        }
    }

    std::map<std::string, double> medians;
};

void composeTheReport(benchmark::State& state)
{
    NakshatraProfile profile;
    findNakshatraProfile(QStringLiteral("Vishakha"), profile);
    profile.nakshatraName = QStringLiteral("Vishakha");
    for (auto _ : state) {
        QTextDocument document;
        composeReport(&document, profile);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

void printTheReportToPdf(benchmark::State& state)
{
    NakshatraProfile profile;
    findNakshatraProfile(QStringLiteral("Vishakha"), profile);
    QTextDocument document;
    composeReport(&document, profile);
    QTemporaryDir folder;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
        QString reason;
        benchmark::DoNotOptimize(printDocumentPages(document, &printer, &reason));
    }
}

// The roads time themselves, one click per repetition; medians of 60.
void timedByHand(benchmark::internal::Benchmark* road)
{
    road->Iterations(1)->Repetitions(60)->UseManualTime()->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK_CAPTURE(findMyBirthStarToPaintedResult, warm, Wait::Warm)->Apply(timedByHand);
BENCHMARK_CAPTURE(clickToPaintedNewWindow, warm, Wait::Warm)->Apply(timedByHand);
BENCHMARK_CAPTURE(findMyBirthStarToPaintedResult, after_rest, Wait::AfterRest)->Apply(timedByHand);
BENCHMARK_CAPTURE(clickToPaintedNewWindow, after_rest, Wait::AfterRest)->Apply(timedByHand);
BENCHMARK(composeTheReport)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(printTheReportToPdf)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
