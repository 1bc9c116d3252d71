// `ignivar-sim export [--format F] [--zoom N] [--fps N] [--view unit|lcd]
// [--look exact|real] [--skin CONFIG] REPLAY OUT`: a replay as a clip.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ignivar {

int run_export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ignivar
