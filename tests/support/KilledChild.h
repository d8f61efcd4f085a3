#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QString>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace remitto::test {

/// A forked child that does some work while the test decides when to kill it
/// (kill -9, as a crash or a pulled plug would stop the program). The child
/// tells the parent numbers over a pipe (when it starts, what it finished);
/// it ends with _exit(0) when its work returns, so no test code runs twice.
class KilledChild {
public:
    /// Forks and runs `work` in the child.
    explicit KilledChild(const std::function<void(KilledChild&)>& work)
    {
        if (pipe(m_pipe) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(m_pipe[0]);
            work(*this);
            _exit(0);
        }
        close(m_pipe[1]);
    }
    ~KilledChild()
    {
        if (m_pid > 0 && !m_waited)
            kill(m_pid, SIGKILL), wait();
        if (m_pipe[0] >= 0)
            close(m_pipe[0]);
    }
    KilledChild(const KilledChild&) = delete;
    KilledChild& operator=(const KilledChild&) = delete;

    bool started() const { return m_pid > 0; }

    /// Child side: sends a number to the parent.
    void tell(int n)
    {
        if (write(m_pipe[1], &n, sizeof n) != sizeof n)
            _exit(4);
    }
    /// Parent side: the next number the child sent, or nothing once it has
    /// ended and every number was read.
    std::optional<int> hear()
    {
        int n = 0;
        if (read(m_pipe[0], &n, sizeof n) != sizeof n)
            return std::nullopt;
        return n;
    }

    /// Parent side: kill -9 now (a child that already ended is not harmed).
    void killNow() { kill(m_pid, SIGKILL); }

    /// Parent side: waits for the end; true when the child was killed, false
    /// when its work returned.
    bool wait()
    {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_waited = true;
        return WIFSIGNALED(status);
    }

private:
    int m_pipe[2] = {-1, -1};
    pid_t m_pid = -1;
    bool m_waited = false;
};

/// Waits about `micros` microseconds without giving the processor away, so
/// that a kill lands where it was aimed even on a busy machine.
inline void spin(qint64 micros)
{
    QElapsedTimer t;
    t.start();
    while (t.nsecsElapsed() < micros * 1000) {
    }
}

/// A template for the QTemporaryDir of a kill test: a memory file system,
/// when there is one, keeps the disk out of the timing, so the kills land in
/// the program's work rather than in the syncs.
inline QString killFolderTemplate()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/remitto-XXXXXX") : QString();
}

/// Runs `write` in a child whose files stop at `limit` bytes: the write that
/// reaches the limit is cut there and the child killed (SIGXFSZ), as a kill
/// part of the way through a long write leaves the file. Call it under
/// ASSERT_NO_FATAL_FAILURE.
template <typename Write>
void killedAt(rlim_t limit, Write write)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit r{};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &r);
        write();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
}

} // namespace remitto::test
