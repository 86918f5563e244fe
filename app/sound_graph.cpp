#include "app/sound_graph.h"

BOOL InitSoundGraph(HWND) { return FALSE; }

void ReleaseSoundGraph() {}

int PollSoundEvent() { return -1; }
