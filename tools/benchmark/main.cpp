// The cost of the saver's frame, slide by slide: the built-in show (this program's resource
// "DDS" 107, as the saver carries it) is loaded as a monitor's player loads it and played through
// its first loop on an offscreen device, one frame per 1/30 s of show time, as on screen. Each
// slide's frame times, its FrameMove alone and the private memory it added are set beside the
// one-picture floor and the empty frame, measured on the same device in the same run; the floor
// is drawn again between the slide's frames, so each slide meets the floor of its own moment on
// a machine whose load changes during the run. A second
// loop follows, unmeasured but for the peak memory: a show that keeps growing shows it there.
// With --passes it plays the loop at 1920x1080 only and prints each slide's frame pass by pass
// instead, each pass waited for on its own.
// Usage: benchmark_show [--passes]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/exception_code.h"
#include "app/settings_registry.h"
#include "render/current_device.h"
#include "render/picture_layout.h"
#include "render/picture_view.h"
#include "show/project_document.h"
#include "tools/benchmark/frame_samples.h"
#include "tools/benchmark/offscreen_device.h"
#include "tools/benchmark/pass_times.h"
#include "tools/benchmark/process_memory.h"
#include "tools/benchmark/reference_frames.h"
#include "tools/benchmark/stopwatch.h"

namespace {

constexpr float ShowTimePerFrame = 1.0f / 30;  // seconds
constexpr int FloorEveryFrames = 3;  // how often a floor frame is drawn between the show's frames

struct ScreenSize {
  UINT width, height;
};

const ScreenSize ScreenSizes[] = {{1024, 768}, {1920, 1080}};

struct SlideFigures {
  std::wstring name;
  FrameSamples frames, frameMoves;
  FrameSamples floors;  // the one-picture floor, drawn between the slide's frames
  double memoryGrowth = 0;  // megabytes
};

struct ShowFigures {
  double floor = 0, empty = 0;      // milliseconds
  double load = 0, firstFrame = 0;  // milliseconds from the start of the load
  // Megabytes of private bytes before the document loads: the device and what the renderer kept
  // from drawing the floor and the empty frame, which the show's own memory comes on top of.
  double memoryBeforeLoad = 0;
  double peakMemory = 0;            // megabytes, the most private bytes of the first loop
  double secondLoopPeakMemory = 0;  // megabytes, the most of both loops
  std::vector<SlideFigures> slides;
  std::vector<std::vector<PassTimes::Pass>> passes;  // per slide, with --passes
};

float LoopSeconds(const KQ_SlideShow_Light& show) {
  float seconds = 0;
  for (const auto& slide : show.Slides()) {
    const SlideDurations durations = slide->Durations();
    seconds += durations.fadeIn + durations.display + durations.fadeOut;
  }
  return seconds;
}

size_t CurrentSlideIndex(const KQ_SlideShow_Light& show) {
  const auto& slides = show.Slides();
  for (size_t i = 0; i < slides.size(); ++i) {
    if (slides[i].Get() == show.CurrentSlide()) return i;
  }
  return 0;
}

// One frame as the saver's player draws it: FrameMove, the scene, and a present that waits for
// the device; with `passes` each pass mark of the frame is timed as well. Returns FrameMove's time.
double PlayFrame(OffscreenDevice& offscreen, KQ_SlideShow_Light& show, int frame,
                 PassTimes* passes) {
  const Stopwatch frameMove;
  show.FrameMove(static_cast<float>(frame) * ShowTimePerFrame);
  const double frameMoveTime = frameMove.Milliseconds();
  if (passes) passes->BeginFrame();
  if (SUCCEEDED(offscreen.Device()->BeginScene())) {
    show.Render();
    offscreen.Device()->EndScene();
  }
  offscreen.PresentAndFinish();
  if (passes) passes->EndPass("present");
  return frameMoveTime;
}

// The show's first two loops, frame by frame, with the steps of the saver's own player: load,
// prepare every slide and place the pictures, then the frames; in the first loop a `floor` frame
// (when given) after every few of them.
void PlayTwoLoops(OffscreenDevice& offscreen, ShowFigures* figures, PassTimes* passes,
                  OnePictureFrame* floor) {
  IDirect3DDevice9* device = offscreen.Device();
  figures->memoryBeforeLoad = CurrentProcessMemory().privateMegabytes;
  const Stopwatch sinceLoad;
  ProjectDocument document = LoadProjectDocument();
  KQ_SlideShow_Light& show = *document.root;
  for (const auto& slide : show.Slides()) {
    slide->InitSlide();
    figures->slides.push_back({slide->name.Get(), {}, {}, {}, 0});
  }
  show.SetPicturePosition(ReadPicPos());
  figures->load = sinceLoad.Milliseconds();

  // A loop ends when the first slide comes again; the bound only stops a show that never moves on.
  const int frameBound = static_cast<int>(2 * LoopSeconds(show) / ShowTimePerFrame) + 1;
  double memory = CurrentProcessMemory().privateMegabytes;
  PeakMemory peak;
  size_t previousSlide = 0;
  int i = 0;
  for (; i < frameBound; ++i) {
    const Stopwatch frame;
    const double frameMove = PlayFrame(offscreen, show, i, passes);
    const size_t slideIndex = CurrentSlideIndex(show);
    if (slideIndex < previousSlide) break;
    previousSlide = slideIndex;
    if (passes) passes->EndFrame(slideIndex);
    SlideFigures& slide = figures->slides[slideIndex];
    slide.frames.Add(frame.Milliseconds());
    slide.frameMoves.Add(frameMove);
    if (i == 0) figures->firstFrame = sinceLoad.Milliseconds();
    if (floor && i % FloorEveryFrames == 0) slide.floors.Add(floor->Play());
    const double now = CurrentProcessMemory().privateMegabytes;
    slide.memoryGrowth += now - memory;
    memory = now;
    peak.Sample();
  }
  figures->peakMemory = peak.Megabytes();
  previousSlide = 0;
  for (const int secondLoopEnd = i + frameBound; ++i < secondLoopEnd;) {
    PlayFrame(offscreen, show, i, nullptr);
    peak.Sample();
    const size_t slideIndex = CurrentSlideIndex(show);
    if (slideIndex < previousSlide) break;
    previousSlide = slideIndex;
  }
  figures->secondLoopPeakMemory = peak.Megabytes();
  document = ProjectDocument();
  CurrentPictureView().ReleaseDeviceObjects(device);
}

HRESULT Measure(const ScreenSize& size, bool timePasses, ShowFigures* figures) {
  OffscreenDevice offscreen(size.width, size.height);
  if (FAILED(offscreen.Status())) return offscreen.Status();
  CurrentDevice = offscreen.Device();
  try {
    figures->floor = OnePictureFrameMilliseconds(offscreen);
    figures->empty = EmptyFrameMilliseconds(offscreen);
    if (timePasses) {
      PassTimes passes(offscreen);
      PlayTwoLoops(offscreen, figures, &passes, nullptr);
      figures->passes = passes.Slides();
    } else {
      OnePictureFrame floor(offscreen);
      PlayTwoLoops(offscreen, figures, nullptr, &floor);
    }
  } catch (...) {
    return CodeOfCurrentException();
  }
  CurrentDevice = nullptr;
  return S_OK;
}

void PrintTable(const ScreenSize& size, const ShowFigures& figures) {
  std::printf("%ux%u  floor (one 1024x768 picture, linear): %.2f ms   "
              "empty frame: %.2f ms (%.2f x floor)\n"
              "x floor: against the floor drawn between the slide's own frames (one after every %d frames)\n",
              size.width, size.height, figures.floor, figures.empty,
              figures.empty / figures.floor, FloorEveryFrames);
  std::printf("%-32s %15s %15s %15s %15s %7s %6s\n", "slide", "median frame", "p95 frame",
              "FrameMove", "memory growth", "frames", "floor");
  std::printf("%-32s %15s %15s %15s %15s %7s %6s\n", "", "ms  x floor", "ms  x floor",
              "ms  x floor", "MB", "", "ms");
  for (const SlideFigures& slide : figures.slides) {
    if (slide.frames.Empty()) continue;
    const double floor = slide.floors.Empty() ? figures.floor : slide.floors.Median();
    std::printf("%-32.32ls %7.2f %6.2f  %7.2f %6.2f  %7.2f %6.2f  %14.1f  %6zu %6.2f\n",
                slide.name.c_str(), slide.frames.Median(), slide.frames.Median() / floor,
                slide.frames.P95(), slide.frames.P95() / floor, slide.frameMoves.Median(),
                slide.frameMoves.Median() / floor, slide.memoryGrowth, slide.frames.Count(), floor);
  }
  std::printf("load %.0f ms   first frame %.0f ms after the load began\n"
              "private memory %.0f MB before the load (the device and the floor's frames), "
              "peak %.0f MB after loop one, %.0f MB after loop two\n\n",
              figures.load, figures.firstFrame, figures.memoryBeforeLoad, figures.peakMemory,
              figures.secondLoopPeakMemory);
}

// Per slide, the median of each pass beside the floor.
void PrintPassTable(const ScreenSize& size, const ShowFigures& figures) {
  const double floor = figures.floor;
  std::printf("%ux%u  floor (one 1024x768 picture, linear): %.2f ms   empty frame: %.2f ms\n"
              "each pass waited for on its own (median ms, x floor); \"picture\" is the slide's "
              "picture, into the capture when the slide captures\n",
              size.width, size.height, floor, figures.empty);
  for (size_t i = 0; i < figures.slides.size() && i < figures.passes.size(); ++i) {
    if (figures.slides[i].frames.Empty()) continue;
    std::printf("%ls\n", figures.slides[i].name.c_str());
    for (const PassTimes::Pass& pass : figures.passes[i]) {
      std::printf("  %-44.44s %7.2f %6.2f\n", pass.name.c_str(), pass.samples.Median(),
                  pass.samples.Median() / floor);
    }
  }
  std::printf("\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool timePasses = argc > 1 && std::wstring(argv[1]) == L"--passes";
  std::printf("The built-in show's first loop (then a second for its memory), offscreen on a Direct3D 9 HAL device, 1/30 s of "
              "show time per frame (FrameMove: median; memory: private bytes)\n\n");
  for (const ScreenSize& size : ScreenSizes) {
    if (timePasses && size.width != 1920) continue;
    ShowFigures figures;
    const HRESULT hr = Measure(size, timePasses, &figures);
    if (FAILED(hr)) {
      std::printf("%ux%u failed: 0x%08lX\n", size.width, size.height,
                  static_cast<unsigned long>(hr));
      return 1;
    }
    if (timePasses) {
      PrintPassTable(size, figures);
    } else {
      PrintTable(size, figures);
    }
    std::fflush(stdout);
  }
  return 0;
}
