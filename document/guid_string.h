// GUIDs travel as a String of their 38-character registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#pragma once

#include <windows.h>
#include <cguid.h>

#include "document/kq_iof_virtual.h"

// Parses the registry form strictly; false (and `guid` set to GUID_NULL) for any other text.
bool ParseGuidString(const kq_string& text, GUID& guid);

// Reads the String and parses it; text that is not a GUID gives GUID_NULL.
void ReadGuidString(KQ_IOF_Virtual& stream, GUID& guid);
void WriteGuidString(KQ_IOF_Virtual& stream, const GUID& guid);
