// The 560 family's on-board profile images, moved whole between the
// transport's copy and the mouse.
#include "controller/myquickview.h"

#include "device/hidthread.h"

namespace {

bool isProfileImage(uint profileNo)
{
    return profileNo < uint(profileimage::kBlocks);
}

} // namespace

void myQQuickView::mouseSetProfile(uint profileNo)
{
    if (!hid || !isProfileImage(profileNo))
        return;
    // Only an image the mouse sent, checked afterwards as every image write is.
    if (hid->profileImageKnown(int(profileNo)) || hid->readProfileImage(int(profileNo)))
        hid->writeProfileImage(int(profileNo));
}

void myQQuickView::mouseReadProfile(uint profileNo)
{
    if (!hid || !isProfileImage(profileNo))
        return;
    hid->readProfileImage(int(profileNo));
}
