#include "support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>

namespace vesmira::testing {

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

std::string RunUnprivileged(const std::filesystem::path& folder,
                            const std::function<std::string()>& body) {
  if (::geteuid() != 0) return body();
  if (::chown(folder.c_str(), kNobody, kNoGroup) != 0) return "cannot give the folder away";
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
    if (::lchown(entry.path().c_str(), kNobody, kNoGroup) != 0) return "cannot give a file away";
  }
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no child";
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string result;
    if (::setgroups(0, nullptr) != 0 || ::setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
        ::setresuid(kNobody, kNobody, kNobody) != 0) {
      result = "cannot become nobody";
    } else {
      result = body();
    }
    const ssize_t written = ::write(pipeEnds[1], result.data(), result.size());
    ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  std::string result;
  char chunk[512];
  for (ssize_t got; (got = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;) {
    result.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    result += " (the unprivileged child failed)";
  }
  return result;
}

}  // namespace vesmira::testing
