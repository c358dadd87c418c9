#include "platform/linux/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace hq {

std::string InstanceLock::DefaultPath() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/hollyquill-saver.lock";
    return "/tmp/hollyquill-saver-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::InstanceLock(const std::string& path) {
    // O_NOFOLLOW: in a shared folder such as /tmp nobody can point our lock at another file.
    m_fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_fd < 0) return;
    if (flock(m_fd, LOCK_EX | LOCK_NB) == 0) m_held = true;
    else m_busy = errno == EWOULDBLOCK;
}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0) close(m_fd);
}

}  // namespace hq
