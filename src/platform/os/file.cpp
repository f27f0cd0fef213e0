#include "platform/os/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/os/path.h"

namespace fs = std::filesystem;

namespace os {
namespace {

// Closes the descriptor when it goes out of scope unless Release() took it.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded (a late write error shows up here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Opens for reading without blocking on a FIFO or device, and only if it is a regular file.
int OpenRegularForRead(const std::string& path, struct stat* st) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return -1;
  if (::fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// The process's file-creation mask, read without changing it (umask() would, for a moment, for
// every thread). Falls back to the usual 022.
mode_t CurrentUmask() {
  mode_t mask = 022;
  if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, f) != nullptr) {
      if (std::strncmp(line, "Umask:", 6) == 0) {
        char* end = nullptr;
        const unsigned long v = std::strtoul(line + 6, &end, 8);
        if (end != line + 6) mask = static_cast<mode_t>(v & 0777);
        break;
      }
    }
    std::fclose(f);
  }
  return mask;
}

// The resolved path, or nothing for a name the system cannot take (empty, or with a NUL byte that
// would silently cut it short).
std::optional<std::string> Resolved(std::string_view path) {
  std::string resolved = ResolvePath(path);
  if (resolved.empty() || resolved.find('\0') != std::string::npos) return std::nullopt;
  return resolved;
}

}  // namespace

bool FileExists(std::string_view path) {
  const std::optional<std::string> resolved = Resolved(path);
  std::error_code ec;
  return resolved && fs::is_regular_file(*resolved, ec);
}

std::optional<std::uint64_t> FileLength(std::string_view path) {
  const std::optional<std::string> resolved = Resolved(path);
  if (!resolved) return std::nullopt;
  struct stat st {};
  Fd fd(OpenRegularForRead(*resolved, &st));
  if (!fd.ok() || st.st_size < 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::string> ReadWholeFile(std::string_view path, std::uint64_t limit) {
  const std::optional<std::string> resolved = Resolved(path);
  if (!resolved) return std::nullopt;
  struct stat st {};
  Fd fd(OpenRegularForRead(*resolved, &st));
  if (!fd.ok() || st.st_size < 0) return std::nullopt;
  if (static_cast<std::uint64_t>(st.st_size) > limit) return std::nullopt;

  try {
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    // The file may grow while it is read: count what arrives, not what fstat said.
    char buffer[64 * 1024];
    while (true) {
      const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (n == 0) break;
      if (static_cast<std::uint64_t>(n) > limit - data.size()) return std::nullopt;
      data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
  } catch (const std::exception&) {  // a caller's limit larger than memory allows
    return std::nullopt;
  }
}

bool WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::optional<std::string> resolved = Resolved(path);
  if (!resolved) return false;
  Fd fd(::open(resolved->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666));
  if (!fd.ok()) return false;
  if (!WriteAll(fd.get(), bytes)) return false;
  return fd.Close();
}

bool ReplaceWholeFile(std::string_view path, std::string_view bytes) {
  const std::optional<std::string> resolved = Resolved(path);
  if (!resolved) return false;
  std::string target = *resolved;

  // Through a link, replace the file it names and keep the link.
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    const fs::path real = fs::weakly_canonical(target, ec);
    if (ec) return false;
    target = real.string();
  }

  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) return false;

  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  std::string temp = folder + (folder == "/" ? "" : "/") + ".korvel-XXXXXX";

  Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.ok()) return false;

  bool ok = true;
  if (existed) {
    // Keep the owner where allowed (only root can give a file away), then the permission bits;
    // chown first, because it clears set-id bits.
    if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
      // Not the owner's to give: the file stays ours, which is what a plain write would give too.
    }
    ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
  } else {
    ok = ::fchmod(fd.get(), 0666 & ~CurrentUmask()) == 0;
  }
  ok = ok && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }

  // Make the rename itself durable; the data is already safe if this fails.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.ok()) static_cast<void>(::fsync(dir.get()));
  return true;
}

}  // namespace os
