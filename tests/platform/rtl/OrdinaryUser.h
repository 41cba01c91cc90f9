// SPDX-License-Identifier: MIT
// Runs a piece of a test as an ordinary user, so that a permission is refused as it is for the
// program's users even where the tests run as root (as CI does): root may read and write any
// folder, and a test of a refusal would otherwise see none.
#pragma once

#include <cerrno>
#include <csignal>
#include <exception>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace ordinaryuser {

// The user and group "nobody" of Debian; any id without privileges would do.
inline constexpr uid_t kUser = 65534;
inline constexpr gid_t kGroup = 65534;
// However the work goes, the child is gone after this many seconds.
inline constexpr unsigned kBoundSeconds = 10;

inline void HandOver(const std::string& folder)
{
    std::error_code ignored;
    ::lchown(folder.c_str(), kUser, kGroup);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        ::lchown(entry.path().c_str(), kUser, kGroup);
}

inline std::string InChild(const std::string& folder, const std::function<std::string()>& work)
{
    HandOver(folder);
    if (::setgroups(0, nullptr) != 0 || ::setresgid(kGroup, kGroup, kGroup) != 0
        || ::setresuid(kUser, kUser, kUser) != 0 || ::geteuid() == 0)
        return "could not become an ordinary user";
    try {
        return work();
    } catch (const std::exception& error) {
        return std::string("an exception: ") + error.what();
    }
}

} // namespace ordinaryuser

// What work returns when run by an ordinary user. Run by one already, work runs here; run by
// root, it runs in a child process that first hands folder (and all in it) to user nobody and
// then drops every privilege. The answer is then what the child reported, or a sentence
// saying why there is none.
inline std::string AsOrdinaryUser(const std::string& folder, const std::function<std::string()>& work)
{
    if (::geteuid() != 0)
        return work();
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe to the child";
    const pid_t child = ::fork();
    if (child < 0)
        return "no child process";
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(ordinaryuser::kBoundSeconds);
        const std::string answer = ordinaryuser::InChild(folder, work);
        const ssize_t written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(written == ssize_t(answer.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (count > 0)
            answer.append(buffer, std::size_t(count));
        else if (errno != EINTR)
            break;
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return "the child was ended by signal " + std::to_string(WTERMSIG(status)) + " after: " + answer;
    return answer;
}
