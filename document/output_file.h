#pragma once

#include <string>

namespace brimvale {

class ConfigLines;

// The name the output is written under, relative to the working directory.
inline constexpr const char* OutputFileName = "eggdrop.conf";

// The whole output text: every line followed by CR LF, in one buffer of
// exactly the text's size.
std::string buildOutputText(const ConfigLines& lines);

// Writes buildOutputText() to "eggdrop.conf" in the working directory. The
// text goes to a new file beside it, reaches the disk and then replaces the
// old file in one step, so a failure never leaves a half-written file.
// Throws EFCreateError "Cannot create file eggdrop.conf" when the file
// cannot be created or replaced (a directory of that name, a read-only
// file, a directory we may not write to) and EWriteError
// "Stream write error" when writing fails or falls short.
void writeOutputFile(const ConfigLines& lines);

} // namespace brimvale
