#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace vesmira::testing {

// Runs body as an unprivileged user on folder, which that user is given: root may read and
// write any file, so a file's own permissions show only to another user. As root, body runs
// in a child process that has become "nobody"; otherwise in this process. body returns an
// empty text when all was as expected, else what was not; so does this call.
std::string RunUnprivileged(const std::filesystem::path& folder,
                            const std::function<std::string()>& body);

}  // namespace vesmira::testing
