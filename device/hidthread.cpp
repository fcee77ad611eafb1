#include "device/hidthread.h"

Hid_Thread::Hid_Thread(QObject *parent)
    : QThread(parent)
{
}

Hid_Thread::~Hid_Thread()
{
    listener.waitForFinished();
}
