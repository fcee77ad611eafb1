#pragma once

#include <QtGlobal>

// A tagged text handed to the message callback. `lpData` points to `cbData`
// bytes followed by one zero byte, so a reader that stops at the first zero
// byte never goes past cbData + 1 bytes.
struct CopyDataMessage {
    quintptr dwData = 0;
    quint32 cbData = 0;
    const void *lpData = nullptr;
};
