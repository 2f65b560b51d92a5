// The main window's own costs on a 1920 x 1080 offscreen screen: one full repaint of the
// maximised window (the chart's computation and drawing, then the copy to the window), and
// start-up from the catalog to the first painted chart. Beside them, in the same run, the bare
// cost of filling a 1920 x 1080 picture once: each figure also reports its processor time in
// those units ("xFill"). Targets: a repaint under 15 ms, start-up under 1 s. The machine may be
// shared: the processor time ("CPU") is the steadier figure, the wall time ("Time") what a user
// would wait on an idle machine at best.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <ctime>
#include <memory>

#include "foundations/date_time.h"
#include "navigation/body_catalog.h"
#include "support/main_window_test_access.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Every box answers its default: nothing waits for a user.
class SilentPresenter : public MessagePresenter {
 public:
  MessageAnswer Show(const Message& message) override { return message.defaultAnswer; }
};

// A fixed moment and the default position, so every run draws the same sky.
MainWindowServices FixedServices(SilentPresenter& presenter, SystemClock& systemClock) {
  MainWindowServices services = testing::WindowServices(presenter, systemClock);
  services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 6, 1, 2, 0, 0), 0}; };
  services.readHomePosition = [](DrPosition&) { return false; };
  return services;
}

// The program's own start: catalog and records, the window filling the screen, and events
// until its chart has been painted once.
struct StartedWindow {
  BodyCatalog catalog;
  SunEventsRecord events{};
  SilentPresenter presenter;
  testing::RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;

  StartedWindow() : catalog(BuildCatalog()) {
    form = std::make_unique<TForm1>(catalog, events, FixedServices(presenter, systemClock));
    form->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form->showMaximized();
    while (form->PaintCount() == 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
};

double CpuNanoseconds() { return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC); }

void Fill(QImage& picture, int round) {
  picture.fill(round % 2 == 0 ? Qt::white : Qt::black);
  benchmark::DoNotOptimize(picture.constBits());
  benchmark::ClobberMemory();
}

// Processor nanoseconds of one fill of a 1920 x 1080 picture, the mean of many.
double FillNanoseconds() {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  constexpr int kFills = 300;
  const double start = CpuNanoseconds();
  for (int i = 0; i < kFills; ++i) Fill(picture, i);
  return (CpuNanoseconds() - start) / kFills;
}

void ReportInFills(benchmark::State& state, double fillNanoseconds, double cpuNanoseconds) {
  const double perIteration = cpuNanoseconds / static_cast<double>(state.iterations());
  state.counters["xFill"] = perIteration / fillNanoseconds;
}

void BM_FillPicture(benchmark::State& state) {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  int round = 0;
  for (auto _ : state) Fill(picture, ++round);
}
BENCHMARK(BM_FillPicture)->Unit(benchmark::kMillisecond);

// newDay: the position is forgotten before each paint, so each one also runs the day's Sun
// and Moon events, as after a change of zone date or DR position.
void BM_FullRepaint(benchmark::State& state) {
  const bool newDay = state.range(0) != 0;
  StartedWindow window;
  SkyPaintBox* box = window.form->Controls().skyPaintBox;
  if (window.form->width() != kWidth || box->width() < kWidth) {
    state.SkipWithError("the window does not fill the 1920 x 1080 screen");
    return;
  }
  const double fill = FillNanoseconds();
  const double start = CpuNanoseconds();
  for (auto _ : state) {
    if (newDay) testing::MainWindowTestAccess::Observer(*window.form).lastPosition = DrPosition{-1.0, -1.0};
    box->repaint();  // runs the paint at once: compute, draw, copy to the window
  }
  ReportInFills(state, fill, CpuNanoseconds() - start);
  state.counters["dailyRuns"] = window.form->DailyRunCount();
  state.SetLabel(std::to_string(box->width()) + "x" + std::to_string(box->height()) + " chart");
}
BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->ArgName("newDay")->Unit(benchmark::kMillisecond);

void BM_StartupToFirstChart(benchmark::State& state) {
  const double fill = FillNanoseconds();
  double cpu = 0.0;
  for (auto _ : state) {
    const double start = CpuNanoseconds();
    auto window = std::make_unique<StartedWindow>();
    cpu += CpuNanoseconds() - start;
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  ReportInFills(state, fill, cpu);
}
// Wall time: start-up includes waiting for the platform's first exposure of the window.
BENCHMARK(BM_StartupToFirstChart)->Unit(benchmark::kMillisecond)->UseRealTime();

// A screen of the benchmark's size for the offscreen platform, without window frames.
QByteArray OffscreenPlatform(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("screen.json"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return "offscreen";
  file.write(QStringLiteral("{\"windowFrameMargins\": false, \"screens\": [{\"name\": \"Bench\", "
                            "\"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                            "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                 .arg(kWidth)
                 .arg(kHeight)
                 .toUtf8());
  return "offscreen:configfile=" + path.toLocal8Bit();
}

}  // namespace
}  // namespace nocturna

// The first start of the process is timed once, cold (platform, fonts, first paint), before the
// repeated measurements; it is reported in the run's context.
int main(int argc, char** argv) {
  QElapsedTimer cold;  // wall time
  cold.start();
  const QTemporaryDir dir;
  qputenv("QT_QPA_PLATFORM", nocturna::OffscreenPlatform(dir));
  QApplication application(argc, argv);
  const double applicationMs = static_cast<double>(cold.nsecsElapsed()) / 1e6;
  {
    const nocturna::StartedWindow first;
    benchmark::AddCustomContext("cold_start_to_first_chart_ms",
                                std::to_string(static_cast<double>(cold.nsecsElapsed()) / 1e6));
  }
  benchmark::AddCustomContext("cold_qapplication_ms", std::to_string(applicationMs));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
