#pragma once

class Hid_Thread;
class QQuickItem;

// Rounds of a full save from the save button, a profile switch and a report
// rate change in the program's window on the virtual mouse, the link's
// pauses skipped. Prints what the process holds (resident memory, open
// files, threads) after the first hundred rounds and after all of them.
void soak(QQuickItem *root, Hid_Thread &hid, int rounds);
