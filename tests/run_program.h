// Runs another program of the build (verbodex-batch) in a folder and waits for
// it, with its standard output and error going to files, on either system.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The program's exit status, or -1 when it did not start or did not exit
// normally. Each argument reaches the program whole, without a shell; a
// program without a folder is looked up in PATH.
int RunProgram(const std::filesystem::path& directory, const std::string& program,
               const std::vector<std::string>& arguments, const std::filesystem::path& out,
               const std::filesystem::path& err);

// A new empty folder of the system's temporary folder, its name starting with
// `prefix`.
std::filesystem::path MakeScratchFolder(const std::string& prefix);
