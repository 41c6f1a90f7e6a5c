// One start of the program (or of its reference) for bench/run, which passes the moment it
// launched the process (CLOCK_MONOTONIC nanoseconds) in KORVAND_BENCH_LAUNCH_NS:
//   handbook_startup_probe program <program folder> [browse]
//     starts as the program does and prints the milliseconds from launch to the first painted
//     term list; with "browse", then lists the biggest category and searches "мозг", and prints
//     the peak resident memory;
//   handbook_startup_probe reference <program folder>
//     a minimal Qt Widgets program: attaches to the same database and shows one window.
// With KORVAND_BENCH_STEPS set, the program's way also tells when it begins and ends making the
// main window (on standard error).
#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QTimer>

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/HandbookApplication.h"
#include "app/QtMessageBoxes.h"
#include "app/TForm1.h"
#include "bench/LargeHandbook.h"
#include "browse/SearchResultList.h"
#include "browse/SectionList.h"
#include "browse/TermGrid.h"
#include "browse/TermSearch.h"
#include "core/Handbook.h"
#include "platform/MessageBoxes.h"
#include "store/Database.h"
#include "text/Cp1251.h"
#include "text/TextUtilities.h"

namespace {

double MillisecondsSinceLaunch() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const double launched = std::atof(std::getenv("KORVAND_BENCH_LAUNCH_NS") ? std::getenv("KORVAND_BENCH_LAUNCH_NS") : "0");
  return (static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec) - launched) / 1e6;
}

long PeakResidentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

// Calls `then` once, at the end of the first paint of `widget`.
class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget& widget, std::function<void()> then) : then_(std::move(then)) { widget.installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || done_) return false;
    done_ = true;
    static_cast<QWidget*>(watched)->removeEventFilter(this);
    // After this paint has finished.
    QTimer::singleShot(0, this, then_);
    return false;
  }

 private:
  std::function<void()> then_;
  bool done_ = false;
};

int Program(int argc, char** argv, const std::string& folder, bool browse) {
  core::Handbook handbook(folder);
  app::HandbookApplication application(argc, argv);
  app::QtMessageBoxes boxes;
  platform::InstallMessageBoxes(&boxes);
  text::InitializeTextUtilities();
  int status = 0;
  if (std::getenv("KORVAND_BENCH_STEPS")) std::fprintf(stderr, "before the main window %.1f\n", MillisecondsSinceLaunch());
  {
    app::TForm1 form1(handbook);
    if (std::getenv("KORVAND_BENCH_STEPS")) std::fprintf(stderr, "main window made %.1f\n", MillisecondsSinceLaunch());
    auto* grid = form1.findChild<browse::TermGrid*>();
    if (!grid) return 1;
    FirstPaint painted(*grid->viewport(), [&] {
      std::printf("startup_ms %.1f rows %d\n", MillisecondsSinceLaunch(), handbook.IBQuery2.RecordCount());
      if (browse) {
        std::printf("startup_peak_kib %ld\n", PeakResidentKib());
        browse::ListSection(handbook.IBQuery2, bench::kBiggestSection);
        grid->viewport()->repaint();
        std::printf("biggest_peak_kib %ld\n", PeakResidentKib());
        QListWidget hits;
        browse::SearchTerms(handbook.IBQuery3, text::Utf8ToCp1251("мозг"));
        std::printf("biggest %d hits %d\n", handbook.IBQuery2.RecordCount(), browse::ListSearchHits(handbook.IBQuery3, hits));
        std::printf("peak_rss_kib %ld\n", PeakResidentKib());
      }
      std::fflush(stdout);
      QCoreApplication::quit();
    });
    form1.show();
    status = application.exec();
  }
  handbook.CloseDatabase();
  text::FinalizeTextUtilities();
  platform::InstallMessageBoxes(nullptr);
  return status;
}

int Reference(int argc, char** argv, const std::string& folder) {
  QApplication application(argc, argv);
  store::Database database;
  database.Open(folder + "DB/HANDBOOK.GDB");
  QWidget window;
  window.resize(800, 600);
  FirstPaint painted(window, [] {
    std::printf("startup_ms %.1f\n", MillisecondsSinceLaunch());
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  window.show();
  const int status = application.exec();
  database.Close();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: handbook_startup_probe program|reference <program folder> [browse]\n", stderr);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string mode = argv[1];
  const std::string folder = argv[2];
  const bool browse = argc > 3 && std::string(argv[3]) == "browse";
  return mode == "program" ? Program(argc, argv, folder, browse) : Reference(argc, argv, folder);
}
