#pragma once

#include <QEvent>

// The event the window posts to itself so that the UI's "run" follows its
// "initUI" once the UI has processed the pending queued work.
class UserEvent : public QEvent {
public:
    static constexpr int kType = 1000; // QEvent::User
    static constexpr int kRunUiCode = 2177;

    explicit UserEvent(int uiCode) : QEvent(static_cast<QEvent::Type>(kType)), code(uiCode) { }

    int code;
};
