// What the display-settings dialog shows for one monitor, decided from its adapter record
// alone: the rendering and help texts, which controls are enabled and checked, and the texts of
// the display-mode list.
#pragma once

#include <string>

#include "app/saver_records.h"

struct MonitorPage {
  UINT renderingTextId;        // 2210 hardware, 2211 software, 2212 cannot be displayed
  bool hardwareSwitchEnabled;  // "Disable hardware 3D rendering"
  bool hardwareSwitchChecked;
  bool usageEnabled;  // the monitor-usage group and its two radios
  bool leaveBlack;    // "Display nothing" checked, else "Display screen saver"
};

// `adapter` is null for a monitor without one.
MonitorPage DescribeMonitorPage(const AdapterInfo* adapter);

// The help text of a monitor; `hasMonitor` is false for a display device that is not attached.
UINT HelpTextId(const AdapterInfo* adapter, bool hasMonitor);

// The mode list's entry for a mode, from the entry format "%d by %d, %d bit color".
std::wstring ModeEntryText(const std::wstring& format, const ModeEntry& mode);

// The list index to select: 1 + the index of the adapter's stored mode among the first device's
// modes, or 0 ("Automatic") when it is none of them.
int SelectedModeEntry(const AdapterInfo& adapter);
