#include "render/pass_marks.h"

PassEndHandler OnPassEnd = nullptr;
