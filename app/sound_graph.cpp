#include "app/sound_graph.h"

#include <dshow.h>

#include <vector>

#include "render/com_holder.h"
#include "render/com_references.h"

namespace {

struct SoundGraph {
  IGraphBuilder* builder = nullptr;
  IMediaControl* control = nullptr;
  IMediaSeeking* seeking = nullptr;
  IMediaEventEx* events = nullptr;
  IBasicAudio* audio = nullptr;
};

SoundGraph graph;

// Every filter leaves the graph, so the next file does not play beside the previous one and
// old source filters (with their open files) do not pile up.
void RemoveAllFilters() {
  ComHolder<IEnumFilters> list;
  if (FAILED(graph.builder->EnumFilters(list.Out()))) return;
  std::vector<ComHolder<IBaseFilter>> filters;
  ComHolder<IBaseFilter> filter;
  while (list->Next(1, filter.Out(), nullptr) == S_OK) filters.push_back(filter);
  for (const auto& each : filters) graph.builder->RemoveFilter(each.Get());
}

// The file's own source filter, rendered from its "Output" pin.
bool RenderSourcePin(const std::wstring& path) {
  ComHolder<IBaseFilter> source;
  if (FAILED(graph.builder->AddSourceFilter(path.c_str(), path.c_str(), source.Out()))) {
    return false;
  }
  ComHolder<IPin> output;
  if (FAILED(source->FindPin(L"Output", output.Out()))) return false;
  return SUCCEEDED(graph.builder->Render(output.Get()));
}

// The graph builder's own choice of filters for the file.
bool RenderSoundFile(const std::wstring& path) {
  return SUCCEEDED(graph.builder->RenderFile(path.c_str(), nullptr));
}

template <class Interface>
bool Query(REFIID id, Interface** slot) {
  return SUCCEEDED(graph.builder->QueryInterface(id, reinterpret_cast<void**>(slot)));
}

// A file whose own source filter cannot be rendered gets the builder's choice of filters.
bool Rendered(const std::wstring& path) {
  if (RenderSourcePin(path)) return true;
  RemoveAllFilters();
  return RenderSoundFile(path);
}

}  // namespace

BOOL InitSoundGraph(HWND window) {
  if (FAILED(CoInitialize(nullptr))) return FALSE;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr,
                              CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_IGraphBuilder,
                              reinterpret_cast<void**>(&graph.builder)))) {
    return FALSE;
  }
  if (!Query(IID_IMediaControl, &graph.control) || !Query(IID_IMediaSeeking, &graph.seeking) ||
      !Query(IID_IMediaEventEx, &graph.events) || !Query(IID_IBasicAudio, &graph.audio)) {
    return FALSE;
  }
  graph.events->SetNotifyWindow(reinterpret_cast<OAHWND>(window), WM_APP, 0);
  return TRUE;
}

void ReleaseSoundGraph() {
  if (graph.control) graph.control->Stop();
  ReleaseAndNull(&graph.audio);
  ReleaseAndNull(&graph.events);
  ReleaseAndNull(&graph.seeking);
  ReleaseAndNull(&graph.control);
  ReleaseAndNull(&graph.builder);
}

int PollSoundEvent() {
  if (!graph.events) return -1;
  long code = 0;
  LONG_PTR first = 0, second = 0;
  if (FAILED(graph.events->GetEvent(&code, &first, &second, 0))) return -1;
  graph.events->FreeEventParams(code, first, second);
  return static_cast<int>(code);
}

bool PlaySoundFile(const std::wstring& path, long volume) {
  if (!graph.builder || !graph.control || !graph.seeking || !graph.audio) return false;
  graph.control->Stop();
  RemoveAllFilters();
  if (!Rendered(path)) {
    RemoveAllFilters();
    return false;
  }
  graph.audio->put_Volume(volume);
  LONGLONG start = 0;
  graph.seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                              AM_SEEKING_NoPositioning);
  if (SUCCEEDED(graph.control->Run())) return true;
  graph.control->Stop();
  RemoveAllFilters();
  return false;
}
