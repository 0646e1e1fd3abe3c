#include "ServiceHost.h"

#include <QtGlobal>

namespace halvane {

QString ServiceHost()
{
    const QString configured = qEnvironmentVariable("HALVANE_SERVICE_HOST").trimmed();
    return configured.isEmpty() ? QString::fromLatin1(DefaultServiceHost) : configured;
}

} // namespace halvane
