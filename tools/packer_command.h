// The command line of tarn-pack:
//
//   tarn-pack pack LAUNCHER INI UPGRADE_CODE PASS_PHRASE OUTPUT
//   tarn-pack show LAUNCHER UPGRADE_CODE
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace packer {

// Runs one command with the arguments after the program name and returns
// the process exit code: 0 on success, 1 on any failure, which is reported
// as one line on `err` that starts with "tarn-pack: ".
int runPackerCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace packer
