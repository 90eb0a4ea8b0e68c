#pragma once

#include <cerrno>
#include <cstdio>
#include <exception>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tav::test {

// Root may read and write every file, so permission rules would not apply to it. The body
// runs in a child process that, when the tests run as root, first drops to the "nobody"
// user and group; its failures fail the calling test. Anything the body needs (folders,
// files) it makes itself, as that user.
template <typename F> void RunUnprivileged(F&& body)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0) << "fork failed";
    if (pid == 0) {
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            const uid_t uid = nobody ? nobody->pw_uid : 65534;
            const gid_t gid = nobody ? nobody->pw_gid : 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0 || ::geteuid() == 0) {
                std::fprintf(stderr, "cannot drop root privileges\n");
                ::_exit(2);
            }
        }
        // Whatever happens, the child must end here and not go on with the other tests.
        try {
            body();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception: " << e.what();
        } catch (...) {
            ADD_FAILURE() << "unknown exception";
        }
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the unprivileged part failed (see above), status " << status;
}

} // namespace tav::test
