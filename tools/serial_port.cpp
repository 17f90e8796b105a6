#include "serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ovrimo::tools {

namespace {

std::optional<speed_t> speed_constant(std::uint32_t baud) {
  switch (baud) {
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 921600: return B921600;
    default: return std::nullopt;
  }
}

std::string group_of(const std::string& path) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return {};
  const group* g = ::getgrgid(st.st_gid);
  return g != nullptr ? g->gr_name : std::to_string(st.st_gid);
}

}  // namespace

SerialPort::SerialPort(const std::string& path, std::uint32_t baud) : path_(path) {
  const auto speed = speed_constant(baud);
  if (!speed) throw PortError(path + ": " + std::to_string(baud) + " baud is not a rate the host's serial driver sets "
                              "(use 9600, 19200, 38400, 57600, 115200, 230400, 460800 or 921600)");
  // Non-blocking open: a modem-control line that is low must not hang us before we set CLOCAL.
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    const int e = errno;
    if (e == ENOENT) throw PortError(path + ": no such device (is the adapter plugged in? ls /dev/ttyUSB* /dev/ttyACM*)");
    if (e == EACCES || e == EPERM) {
      const std::string group = group_of(path);
      throw PortError(path + ": permission denied" +
                      (group.empty() ? std::string() : "; the device belongs to group '" + group +
                                                           "': sudo usermod -aG " + group + " $USER, then log in again"));
    }
    if (e == EBUSY) throw PortError(path + ": device busy (another program holds it exclusively)");
    throw PortError(path + ": cannot open: " + std::strerror(e));
  }
  // An advisory lock, as other serial tools take: a second uploader or a terminal program that
  // locks would otherwise read our board's replies or interleave bytes with our blocks.
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    const int e = errno;
    ::close(fd_);
    fd_ = -1;
    if (e == EWOULDBLOCK) throw PortError(path + ": in use by another program (an uploader or a terminal); close it first");
    throw PortError(path + ": cannot lock: " + std::strerror(e));
  }
  termios t{};
  if (::tcgetattr(fd_, &t) != 0) {
    const int e = errno;
    ::close(fd_);
    fd_ = -1;
    throw PortError(path + ": not a serial device (" + std::strerror(e) + ")");
  }
  static_assert(sizeof(termios) <= sizeof saved_);
  std::memcpy(saved_, &t, sizeof t);
  ::cfmakeraw(&t);
  t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | CRTSCTS);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  ::cfsetispeed(&t, *speed);
  ::cfsetospeed(&t, *speed);
  if (::tcsetattr(fd_, TCSANOW, &t) != 0) {
    const int e = errno;
    ::close(fd_);
    fd_ = -1;
    throw PortError(path + ": cannot set " + std::to_string(baud) + " baud 8N1: " + std::strerror(e));
  }
  // What the board sent before we opened stays: its menu may be waiting there.
  restore_ = true;
}

SerialPort::~SerialPort() {
  if (fd_ < 0) return;
  if (restore_) {
    termios t{};
    std::memcpy(&t, saved_, sizeof t);
    ::tcsetattr(fd_, TCSADRAIN, &t);
  }
  ::close(fd_);
}

std::optional<std::uint8_t> SerialPort::read_byte(std::chrono::milliseconds timeout) {
  if (next_ < buffered_) return buffer_[next_++];
  const auto until = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    pollfd p{fd_, POLLIN, 0};
    const int r = ::poll(&p, 1, static_cast<int>(std::max<long long>(0, left.count())));
    if (r < 0 && errno != EINTR) throw PortError(path_ + ": " + std::strerror(errno));
    if (r > 0) {
      const ssize_t n = ::read(fd_, buffer_, sizeof buffer_);
      if (n > 0) {
        buffered_ = static_cast<std::size_t>(n);
        next_ = 1;
        return buffer_[0];
      }
      if (n == 0 || (p.revents & (POLLHUP | POLLERR)) != 0 || (errno != EAGAIN && errno != EINTR))
        throw PortError(path_ + ": the device went away");
    }
    if (left.count() <= 0) return std::nullopt;
  }
}

void SerialPort::write(std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd p{fd_, POLLOUT, 0};
      if (::poll(&p, 1, 5000) == 0) throw PortError(path_ + ": the device accepts no data (flow control stuck?)");
      continue;
    }
    throw PortError(path_ + ": write failed: " + std::strerror(errno));
  }
}

void SerialPort::discard_input() {
  buffered_ = next_ = 0;
  ::tcflush(fd_, TCIFLUSH);
}

}  // namespace ovrimo::tools
