#pragma once

// Start-up probe: notes the moment the first frame of a window has been
// painted and handed to the window system, prints that moment (CLOCK_MONOTONIC,
// so that the script that started the process can subtract its own start
// stamp) and the resident memory, then ends the program.
//
// The frame counts as shown once a paint event has reached the top-level
// widget and the event loop has come round again: by then the backing store
// has been flushed to the window.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace numoria::bench {

[[nodiscard]] inline long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// VmRSS of this process in KiB, or -1 where /proc is missing.
[[nodiscard]] inline long ResidentKibibytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = -1;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return -1;
}

class FirstFrameProbe final : public QObject {
 public:
  // With `stay`, the window is left open after the report (for measuring
  // from outside, where the window's appearance is the signal).
  FirstFrameProbe(QWidget& window, bool stay) : window_(window), stay_(stay) {
    window_.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!painted_ && watched == &window_ && event->type() == QEvent::Paint) {
      painted_ = true;
      QTimer::singleShot(0, this, [this] { Report(); });
    }
    return false;
  }

 private:
  void Report() {
    const long long shown = MonotonicNanoseconds();
    std::printf("first_frame_monotonic_ns %lld\nvm_rss_kib %ld\n", shown, ResidentKibibytes());
    std::fflush(stdout);
    if (!stay_) QCoreApplication::exit(0);
  }

  QWidget& window_;
  bool stay_;
  bool painted_ = false;
};

// True when the program was started with --stay.
[[nodiscard]] inline bool StayRequested(int argc, char* argv[]) {
  return argc > 1 && std::string(argv[1]) == "--stay";
}

}  // namespace numoria::bench
