#pragma once
// The optical drives of the system: the /dev/sr* devices and where each is mounted.
#include <QList>
#include <QString>

namespace Platform {
struct OpticalDrive {
    QString Device;     // "/dev/sr0"
    QString MountPoint; // empty when not mounted
};

// The drives in device order, with their mount points from /proc/self/mounts.
QList<OpticalDrive> OpticalDrives();
// Where `device` is mounted according to the mount table text (the format of
// /proc/self/mounts, "\040" for a blank in a path); empty when it is not.
// `canonical` is the device's resolved path, matched as well (/dev/cdrom -> /dev/sr0).
QString MountPointOf(const QString &device, const QString &canonical, const QByteArray &mountTable);
} // namespace Platform
