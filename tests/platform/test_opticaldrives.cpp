#include "platform/OpticalDrives.h"

TEST(OpticalDrives, MountPointsFromTheMountTable)
{
    const QByteArray table = "/dev/sda1 / ext4 rw 0 0\n/dev/sr1 /media/My\\040Disc iso9660 ro 0 0\n";
    EXPECT_EQ(Platform::MountPointOf("/dev/sr1", "/dev/sr1", table), "/media/My Disc");
    EXPECT_EQ(Platform::MountPointOf("/dev/sr0", "/dev/sr0", table), "");
}
