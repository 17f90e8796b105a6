#include "peers/host_line.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <thread>

namespace ovrimo::peers {

HostLinePeer::HostLinePeer(int in_fd, int out_fd, model::LineFormat format)
    : in_fd_(in_fd), out_fd_(out_fd), format_(format) {}

void HostLinePeer::on_byte_from_device(std::uint16_t value, model::Time) {
  ++bytes_out_;
  if (out_fd_ < 0) return;
  const auto byte = static_cast<unsigned char>(value);
  for (;;) {
    const ssize_t n = ::write(out_fd_, &byte, 1);
    if (n == 1) return;
    if (n < 0 && errno == EINTR) continue;
    // A pseudo-terminal nobody reads fills up; like a serial line with nobody listening, the
    // byte is gone. A closed output is not the board's problem either.
    return;
  }
}

void HostLinePeer::poll() {
  if (in_fd_ < 0 || closed_ || !attached()) return;
  char buffer[4096];
  for (;;) {
    pollfd p{in_fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0 || (p.revents & (POLLIN | POLLHUP)) == 0) return;
    const ssize_t n = ::read(in_fd_, buffer, sizeof buffer);
    if (n > 0) {
      bytes_in_ += static_cast<std::uint64_t>(n);
      line_->send_to_device(std::string_view(buffer, static_cast<std::size_t>(n)), line_->scheduler().now(), format_);
      continue;
    }
    if (n == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) closed_ = true;
    return;
  }
}

bool HostLinePeer::input_in_flight() const {
  if (!attached()) return false;
  return line_->queued_to_device() > 0 || line_->to_device_idle_at() > line_->scheduler().now();
}

void HostLinePeer::wait(std::chrono::microseconds timeout) {
  if (in_fd_ < 0 || closed_) {
    std::this_thread::sleep_for(timeout);
    return;
  }
  pollfd p{in_fd_, POLLIN, 0};
  const auto us = timeout.count();
  timespec t{static_cast<time_t>(us / 1000000), static_cast<long>(us % 1000000) * 1000};
  ::ppoll(&p, 1, &t, nullptr);
}

PseudoTerminal::PseudoTerminal() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) throw std::system_error(errno, std::generic_category(), "posix_openpt");
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    const int e = errno;
    ::close(master_);
    throw std::system_error(e, std::generic_category(), "grantpt/unlockpt");
  }
  const char* name = ::ptsname(master_);
  if (name == nullptr) {
    const int e = errno;
    ::close(master_);
    throw std::system_error(e, std::generic_category(), "ptsname");
  }
  path_ = name;
  slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    const int e = errno;
    ::close(master_);
    throw std::system_error(e, std::generic_category(), "open " + path_);
  }
  // Raw, 8 bits, no echo: a client that does not set the line up itself still sees every byte.
  termios t{};
  if (::tcgetattr(slave_, &t) == 0) {
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
    ::tcsetattr(slave_, TCSANOW, &t);
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
  // Closing the master hangs the line up, and a hang-up throws away what the client has not read
  // yet, and what the kernel has not even handed to the line's input queue yet (it does that a
  // moment after the write): the last bytes of the board's last line would be lost to a client
  // that reads a moment late. So give a client that is still reading the time to take them: the
  // queue must have stayed empty for a while, and a queue that stops shrinking has nobody
  // reading it.
  if (slave_ >= 0) {
    using Clock = std::chrono::steady_clock;
    using std::chrono::milliseconds;
    const auto give_up = Clock::now() + std::chrono::seconds(3);
    auto changed = Clock::now();
    int last = -1;
    for (int queued = 0; ::ioctl(slave_, FIONREAD, &queued) == 0;) {
      const auto now = Clock::now();
      if (queued != last) {
        last = queued;
        changed = now;
      }
      const bool settled = queued == 0 ? now - changed >= milliseconds(200) : now - changed > milliseconds(1000);
      if (settled || now >= give_up) break;
      std::this_thread::sleep_for(milliseconds(5));
    }
    ::close(slave_);
  }
  if (master_ >= 0) ::close(master_);
}

static_assert(sizeof(termios) <= 256, "RawTerminal keeps the saved termios in 256 bytes");

RawTerminal::RawTerminal(int fd) : fd_(fd) {
  termios t{};
  if (!::isatty(fd_) || ::tcgetattr(fd_, &t) != 0) return;
  std::memcpy(saved_, &t, sizeof t);
  ::cfmakeraw(&t);
  t.c_lflag |= ISIG;      // Ctrl-C still stops the emulator
  t.c_oflag |= OPOST | ONLCR;  // our own messages on the same terminal keep their line starts
  active_ = ::tcsetattr(fd_, TCSANOW, &t) == 0;
}

RawTerminal::~RawTerminal() {
  if (!active_) return;
  termios t{};
  std::memcpy(&t, saved_, sizeof t);
  ::tcsetattr(fd_, TCSANOW, &t);
}

}  // namespace ovrimo::peers
