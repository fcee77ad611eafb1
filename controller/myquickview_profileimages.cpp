// The 560 family's on-board profile images, moved whole between the view's
// blocks and the mouse.
#include "controller/myquickview.h"

#include "device/hidthread.h"

namespace {

bool isProfileImage(uint profileNo)
{
    return profileNo < uint(myQQuickView::kProfileImages);
}

} // namespace

void myQQuickView::mouseSetProfile(uint profileNo)
{
    if (!hid || !isProfileImage(profileNo))
        return;
    hid->hid560_0CH_setProfile(profileImages[profileNo].data(), uchar(profileNo));
}

void myQQuickView::mouseReadProfile(uint profileNo)
{
    if (!hid || !isProfileImage(profileNo))
        return;
    hid->hid560_8CH_readProfile(profileImages[profileNo].data(), uchar(profileNo));
}
