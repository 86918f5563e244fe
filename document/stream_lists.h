// Count-prefixed lists: a ULong count, then that many elements back to back. Reading appends
// to what the destination already holds, and appends nothing when the list is cut short.
#pragma once

#include <list>
#include <vector>

#include "document/kq_iof_virtual.h"

void ReadFloatVector(KQ_IOF_Virtual& stream, std::vector<float>& values);
void WriteFloatVector(KQ_IOF_Virtual& stream, const std::vector<float>& values);

void ReadEmbeddedDataVector(KQ_IOF_Virtual& stream, std::vector<KQ_EmbeddedData>& values);
void WriteEmbeddedDataVector(KQ_IOF_Virtual& stream, const std::vector<KQ_EmbeddedData>& values);

// The legacy image lists of sprite settings.
void ReadEmbeddedDataList(KQ_IOF_Virtual& stream, std::list<KQ_EmbeddedData>& values);
