// What the fuzz targets share: taking an input apart, and a private folder for
// the files a target writes (in memory where the system offers it, since every
// save flushes its files to the medium).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Parts of an input are separated by this line; the seeds are written with it.
constexpr std::string_view PartSeparator = "\n~~~part~~~\n";

// The first `count` parts of the input; missing parts are empty and the last one
// takes the rest.
std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count);

// A folder of this process, made on first use and emptied by the caller.
const std::string& ScratchFolder();

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// Removes every file and folder in `folder`, keeping it.
void EmptyFolder(const std::string& folder);

// Stops the run with a message: libFuzzer takes the abort for a finding and keeps
// the input.
[[noreturn]] void Finding(const std::string& what);
