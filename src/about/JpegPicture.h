#pragma once
// The About picture is a JPEG kept in the program's resources; the system's
// picture loader decodes it into a bitmap the window owns.

#include "platform/Handles.h"

namespace acordina::about {

// nullptr when the resource is missing or cannot be decoded.
win32::UniqueBitmap LoadJpegResource(int resourceId);

} // namespace acordina::about
