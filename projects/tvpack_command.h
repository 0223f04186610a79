#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The tvpack tool for authors and for the people who host packages:
//   tvpack build SETUPFOLDER OUT.tvi   pack a Setup folder (TVData.bin and its Media folder)
//   tvpack list PKG.tvi                name, original and compressed size of each member
//   tvpack extract PKG.tvi DIR         write every member below DIR
// args are the words after the program name. Returns the exit code: 0, or 1 after writing a clear
// message to err.
int RunTvpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
