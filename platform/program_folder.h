#pragma once
// The folder that holds the program: the help texts and the SOUND folder lie beside it.

#include <QString>

namespace veltrane::platform {

// Without a closing separator, except at the root of the file system.
QString ProgramFolder();

} // namespace veltrane::platform
