// Making a clip through the exporter's module, loaded at the first clip.
#pragma once

#include <functional>

#include "base/result.h"
#include "clips/exporter.h"

namespace ignivar::app {

Status export_clip_through_module(const host::Replay& replay, const clips::ExportRequest& request,
                                  const std::function<bool(double)>& progress);

}  // namespace ignivar::app
