#pragma once

#include <memory>

class Hid_Thread;

namespace cli {

// Whether the mouse took every command of one action: watched from the
// transport's failure reports while the watch lives.
class WriteOutcome {
public:
    explicit WriteOutcome(Hid_Thread &hid);
    ~WriteOutcome();
    WriteOutcome(const WriteOutcome &) = delete;
    WriteOutcome &operator=(const WriteOutcome &) = delete;

    bool taken() const;

    struct Watch;

private:
    std::unique_ptr<Watch> m_watch;
};

} // namespace cli
