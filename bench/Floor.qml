import QtQuick

// The floor: a window of the program's size with a single item.
Rectangle {
    width: 1024
    height: 640
    color: "#1a1a1a"
}
