#pragma once
// Tells whether another full-screen saver of this user is running: each one holds a lock on a
// file in the user's runtime folder for as long as it runs. The system drops the lock when the
// process ends, however it ends.
#include <string>

namespace hq {

class InstanceLock {
public:
    explicit InstanceLock(const std::string& path = DefaultPath());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Another process holds the lock. A lock file that cannot be opened at all says nothing
    // about other copies, so it never keeps a saver from running.
    bool AnotherCopyRunning() const { return m_busy; }
    bool Held() const { return m_held; }

    // $XDG_RUNTIME_DIR/hollyquill-saver.lock, else /tmp/hollyquill-saver-<uid>.lock.
    static std::string DefaultPath();

private:
    int m_fd = -1;
    bool m_busy = false;
    bool m_held = false;
};

}  // namespace hq
