// `ignivar-sim skin` and `ignivar-sim manual`: load a skin or the manual
// pages as the program would and print what the windows would show.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ignivar {

// Returns the exit status: 0 when everything loaded, 1 when loading
// stopped, 2 for a bad command line.
int run_skin_report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int run_manual_report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ignivar
