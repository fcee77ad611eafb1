#pragma once

// A mouse passed the handshake in the last detection pass. Gates every
// restore of the window. GUI thread only.
inline bool deviceConnected = false;
