#include "platform/program_folder.h"

#include <QCoreApplication>

namespace veltrane::platform {

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

} // namespace veltrane::platform
