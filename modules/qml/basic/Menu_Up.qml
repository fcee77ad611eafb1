import QtQuick

// The drop-down list that opens above its box, for places near the bottom.
Menu_Down {
    upward: true
}
