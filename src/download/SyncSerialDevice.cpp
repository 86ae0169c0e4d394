#include "SyncSerialDevice.h"

namespace Ks {

bool SyncSerialDevice::isSequential() const
{
    return true;
}

void SyncSerialDevice::setSettings(const SerialSettings& settings)
{
    lineSettings = settings;
}

const SerialSettings& SyncSerialDevice::settings() const
{
    return lineSettings;
}

bool SyncSerialDevice::isAccessDenied() const
{
    return accessDenied;
}

void SyncSerialDevice::setAccessDenied(bool denied)
{
    accessDenied = denied;
}

} // namespace Ks
