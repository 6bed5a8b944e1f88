// Copying one file to another name, as the backup before a save needs it.
#pragma once

#include <cstdint>

// Copies the file source(1:sourceLength) to target(1:targetLength), replacing an
// existing target once the copy is whole (see documents/safe_write.h). Only a
// regular file is copied, and only onto a regular file or a new name. Status 0
// on success, 3 on any failure (a missing source, an empty or over-long name,
// denied access, a full medium); a failure leaves the target as it was. Shows
// nothing.
void ftnfco(std::int16_t& status, const char* source, int sourceLength, const char* target,
            int targetLength);
