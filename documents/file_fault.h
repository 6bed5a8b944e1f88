// The fault hook as the file steps of each system consult it: the step fails
// with the error the hook gives (0: it runs), and a write may be told to write
// fewer bytes through `count`.
#pragma once

#include "documents/file_io.h"

#include <cstddef>

int Faulted(FileStep step, std::size_t& count);
int Faulted(FileStep step);
