// `ovrimo soak`: many updates over a noisy line, in worker processes, with the success rate per
// bit error rate and the causes of the failures.
#include <CLI/CLI.hpp>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "input_file.h"
#include "soak.h"
#include "update_cli.h"

namespace ovrimo::tools {

namespace {

enum SoakStatus { kHeld = 0, kBadInput = 1, kBroken = 2, kInterrupted = 5 };

std::atomic<bool> g_interrupted{false};
extern "C" void interrupt_soak(int) { g_interrupted.store(true); }

struct Options {
  UpdateFiles files;
  std::vector<double> rates;  // empty: the defaults of the soak chosen
  unsigned updates = 0;        // 0: 13, or 8 in the short soak
  unsigned jobs = 2;
  bool short_soak = false;
  std::uint64_t seed = 1;
  double drop = 1, insert = 1, pause = 1;
  double pause_max = 1.5;
  std::string limit = "300";
};

// A worker process running one update, and what it has written so far.
struct Worker {
  pid_t pid = -1;
  int fd = -1;
  std::size_t index = 0;
  std::chrono::steady_clock::time_point start;
  std::string output;
};

Worker start_worker(const SoakSettings& settings, const SoakCase& what, std::size_t index) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    std::string line;
    try {
      line = encode(run_soak_case(settings, what));
    } catch (const std::exception& e) {
      SoakResult r;
      r.what = what;
      r.detail = std::string("the run threw: ") + e.what();
      line = encode(r);
    }
    const char* p = line.data();
    std::size_t left = line.size();
    while (left > 0) {
      const ssize_t n = ::write(fds[1], p, left);
      if (n <= 0) break;
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  if (pid < 0) {
    ::close(fds[0]);
    return {};
  }
  return Worker{pid, fds[0], index, std::chrono::steady_clock::now(), {}};
}

// The result a finished worker left, or a broken one if it died without leaving any.
SoakResult collect(Worker& w, const SoakCase& what) {
  ::close(w.fd);
  int status = 0;
  ::waitpid(w.pid, &status, 0);
  if (auto r = decode(w.output)) return *r;
  SoakResult r;
  r.what = what;
  r.detail = WIFSIGNALED(status) ? "the worker died of signal " + std::to_string(WTERMSIG(status))
                                 : "the worker left no result (status " + std::to_string(WEXITSTATUS(status)) + ")";
  return r;
}

std::string rate_text(double rate) {
  if (rate == 0) return "0";
  char text[32];
  std::snprintf(text, sizeof text, "%.0e", rate);
  return text;
}

// Data bits the sender puts on the line for one transfer without faults.
double bits_per_transfer(const UpdateDemoOptions& update, std::size_t image_bytes) {
  std::size_t bytes = 0, sent = 0;
  for (std::size_t i = 0; sent < image_bytes; ++i) {
    const std::size_t size = update.block_sizes[i % update.block_sizes.size()];
    sent += size;
    bytes += size + 5;
  }
  return 8.0 * static_cast<double>(bytes + 1);
}

struct Tally {
  unsigned runs = 0, updated = 0, cancelled = 0, broken = 0;
  double board_seconds = 0;
  std::map<SoakCause, unsigned> causes;
};

void print_report(const SoakSettings& settings, const std::vector<Tally>& tallies, double bits, double wall,
                  unsigned jobs) {
  std::printf("\n%-10s %8s %8s %8s %7s %8s %10s  %s\n", "bit errors", "errors/", "updates", "updated", "broken",
              "success", "board s", "causes of the cancels");
  std::printf("%-10s %8s\n", "per bit", "transfer");
  std::size_t first_failure = tallies.size(), below_half = tallies.size();
  unsigned cancels = 0, lost_acks = 0, total = 0, broken = 0;
  for (std::size_t level = 0; level < tallies.size(); ++level) {
    const Tally& t = tallies[level];
    const double rate = settings.rates[level];
    std::string causes;
    for (const auto& [cause, n] : t.causes) {
      if (!causes.empty()) causes += ", ";
      causes += std::string(to_string(cause)) + " " + std::to_string(n);
    }
    const double success = t.runs > 0 ? 100.0 * t.updated / t.runs : 0;
    std::printf("%-10s %8.2g %8u %8u %7u %7.1f%% %10.1f  %s\n", rate_text(rate).c_str(), rate * bits, t.runs,
                t.updated, t.broken, success, t.runs > 0 ? t.board_seconds / t.runs : 0.0, causes.c_str());
    if (t.updated < t.runs && first_failure == tallies.size()) first_failure = level;
    if (2 * t.updated < t.runs && below_half == tallies.size()) below_half = level;
    cancels += t.cancelled;
    lost_acks += t.causes.count(SoakCause::LostAck) ? t.causes.at(SoakCause::LostAck) : 0;
    total += t.runs;
    broken += t.broken;
  }
  std::printf("\n%u updates in %.1f s of wall time with %u jobs; the invariant (exact image and the new "
              "application, or the board's cancel and its menu) %s.\n",
              total, wall, jobs, broken == 0 ? "held in every one" : "was BROKEN");
  if (first_failure < tallies.size()) {
    std::printf("With the budget of 3 errors per transfer, updates start to fail at %s per bit (%.2g bit errors "
                "expected per transfer)",
                rate_text(settings.rates[first_failure]).c_str(), settings.rates[first_failure] * bits);
    if (below_half < tallies.size())
      std::printf("; fewer than half succeed from %s per bit on", rate_text(settings.rates[below_half]).c_str());
    std::printf(".\n");
  } else {
    std::printf("Every update succeeded at every rate.\n");
  }
  if (cancels > 0)
    std::printf("A lost or damaged ACK (the sender repeats a block the board has, which it refuses until the "
                "budget is spent) explains %u of %u cancels (%.0f%%).\n",
                lost_acks, cancels, 100.0 * lost_acks / cancels);
}

int run_soak(const Options& o) {
  SoakSettings settings;
  settings.update = resolve(o.files);
  // A one-block transfer carries 1/512 of the bits: its interesting rates are that much higher.
  settings.rates = !o.rates.empty()  ? o.rates
                   : o.short_soak ? std::vector<double>{0, 1e-5, 1e-4, 3e-4, 1e-3, 3e-3}
                                  : std::vector<double>{0, 1e-7, 3e-7, 1e-6, 3e-6, 1e-5, 1e-4, 1e-3};
  settings.updates_per_rate = o.updates != 0 ? o.updates : (o.short_soak ? 8 : 13);
  settings.seed = o.seed;
  settings.drop_ratio = o.drop;
  settings.insert_ratio = o.insert;
  settings.pause_ratio = o.pause;
  std::filesystem::path short_image;
  std::size_t image_bytes = 0;
  try {
    settings.update.limit = parse_board_seconds(o.limit, "--limit");
    if (!(o.pause_max >= 0.01 && o.pause_max <= 60)) throw InputFileError("--pause-max is 0.01 to 60 seconds");
    settings.pause_max = static_cast<model::Time>(o.pause_max * static_cast<double>(model::kSecond));
    settings.pause_min = std::min(settings.pause_min, settings.pause_max);
    for (double rate : settings.rates)
      if (!(rate >= 0 && rate < 0.1)) throw InputFileError("bit error rates are from 0 to below 0.1");
    // Reads and checks the images once, before any worker starts.
    UpdateDemo check(settings.update);
    image_bytes = check.image_bytes();
    if (o.short_soak) {
      const auto code = code_part(check.new_image());
      short_image = std::filesystem::temp_directory_path() / ("ovrimo-soak-" + std::to_string(::getpid()) + ".bin");
      std::ofstream(short_image, std::ios::binary)
          .write(reinterpret_cast<const char*>(code.data()), static_cast<std::streamsize>(code.size()));
      settings.update.to = short_image;
      image_bytes = code.size();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ovrimo soak: %s\n", e.what());
    return kBadInput;
  }

  const auto cases = soak_cases(settings);
  const double bits = bits_per_transfer(settings.update, image_bytes);
  std::printf("ovrimo soak: %zu updates of %zu bytes (%s), %u per rate, %u jobs; per frame, lost, made-up and "
              "stalled frames (%.0f to %.0f ms) at %g, %g and %g times the bit error rate; seeds from %llu\n",
              cases.size(), image_bytes, o.short_soak ? "the code part of the new image" : "the new image",
              settings.updates_per_rate, o.jobs, model::to_seconds(settings.pause_min) * 1e3,
              model::to_seconds(settings.pause_max) * 1e3, o.drop, o.insert, o.pause,
              static_cast<unsigned long long>(o.seed));
  std::fflush(stdout);

  g_interrupted.store(false);
  std::signal(SIGINT, interrupt_soak);
  std::signal(SIGTERM, interrupt_soak);
  const auto wall_start = std::chrono::steady_clock::now();
  std::vector<Tally> tallies(settings.rates.size());
  std::vector<Worker> running;
  std::size_t next = 0, done = 0;
  while ((next < cases.size() || !running.empty()) && !g_interrupted.load()) {
    while (running.size() < o.jobs && next < cases.size()) {
      Worker w = start_worker(settings, cases[next], next);
      if (w.pid < 0) {
        std::fprintf(stderr, "ovrimo soak: cannot start a worker\n");
        g_interrupted.store(true);
        break;
      }
      running.push_back(std::move(w));
      ++next;
    }
    std::vector<pollfd> fds;
    for (const Worker& w : running) fds.push_back(pollfd{w.fd, POLLIN, 0});
    if (::poll(fds.data(), fds.size(), 200) <= 0) continue;
    for (std::size_t i = running.size(); i-- > 0;) {
      if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      char buffer[512];
      const ssize_t n = ::read(running[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        running[i].output.append(buffer, static_cast<std::size_t>(n));
        continue;
      }
      Worker w = std::move(running[i]);
      running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
      const SoakResult r = collect(w, cases[w.index]);
      const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w.start).count();
      Tally& t = tallies[r.what.level];
      ++t.runs;
      t.board_seconds += r.board_seconds;
      switch (r.verdict) {
        case SoakVerdict::Updated: ++t.updated; break;
        case SoakVerdict::Cancelled: ++t.cancelled; ++t.causes[r.cause]; break;
        case SoakVerdict::Broken: ++t.broken; break;
      }
      ++done;
      std::fprintf(stderr, "[%3zu/%zu] rate %-6s seed %-6llu %-9s %-20s %6.1f s board %5.1f s wall, %zu faults, %zu resent%s%s\n",
                   done, cases.size(), rate_text(settings.rates[r.what.level]).c_str(),
                   static_cast<unsigned long long>(r.what.seed), to_string(r.verdict),
                   r.verdict == SoakVerdict::Cancelled ? to_string(r.cause) : "", r.board_seconds, wall, r.faults,
                   r.resends, r.detail.empty() ? "" : ": ", r.detail.c_str());
    }
  }
  const bool interrupted = g_interrupted.load();
  for (Worker& w : running) {
    ::kill(w.pid, SIGKILL);
    ::close(w.fd);
    ::waitpid(w.pid, nullptr, 0);
  }
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  if (!short_image.empty()) std::filesystem::remove(short_image);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
  print_report(settings, tallies, bits, wall, o.jobs);
  if (interrupted) {
    std::fprintf(stderr, "ovrimo soak: interrupted after %zu of %zu updates\n", done, cases.size());
    return kInterrupted;
  }
  for (const Tally& t : tallies)
    if (t.broken > 0) return kBroken;
  return kHeld;
}

}  // namespace

void add_soak_command(CLI::App& app, CommandRunner& run) {
  auto o = std::make_shared<Options>();
  CLI::App* soak = app.add_subcommand(
      "soak",
      "Update the emulated board many times over a noisy line and check every outcome.\n\n"
      "Each update is the one of `ovrimo demo`, with noise between the XMODEM sender and the board in\n"
      "both directions from the operator's answer on: bits flip at the given rate per data bit, and\n"
      "frames are lost, made up or stalled at a rate in proportion to it. Every update uses its own\n"
      "fixed seed, so a run can be repeated exactly. Every update must end with the exact image in\n"
      "flash and the new application running, or with the board's cancel and its menu; the table\n"
      "gives the success rate per bit error rate and the causes of the cancels.");
  add_update_options(*soak, o->files);
  soak->add_option("--rates", o->rates, "Bit error rates per data bit, comma-separated (default 0,1e-7,3e-7,1e-6,"
                                        "3e-6,1e-5,1e-4,1e-3; with --short 0,1e-5,1e-4,3e-4,1e-3,3e-3)")
      ->delimiter(',');
  soak->add_option("--updates", o->updates, "Updates per rate (default 13, or 8 with --short)")
      ->check(CLI::Range(1u, 10000u));
  soak->add_option("--jobs,-j", o->jobs, "Updates run side by side, one process each (default 2)")
      ->check(CLI::Range(1u, 64u));
  soak->add_flag("--short", o->short_soak,
                 "Send only the code part of the new image (a few blocks; the bootloader starts it right after "
                 "the transfer) instead of the whole 512 KB");
  soak->add_option("--seed", o->seed, "First seed (default 1); the update k of rate level n uses seed + 1000 n + k");
  soak->add_option("--drop", o->drop, "Lost frames per frame, as a multiple of the bit error rate (default 1)")
      ->check(CLI::Range(0.0, 1000.0));
  soak->add_option("--insert", o->insert, "Made-up frames per frame, likewise (default 1)")->check(CLI::Range(0.0, 1000.0));
  soak->add_option("--pause", o->pause, "Stalls per frame, likewise (default 1)")->check(CLI::Range(0.0, 1000.0));
  soak->add_option("--pause-max", o->pause_max, "Longest stall in seconds (default 1.5; from 10 ms)");
  soak->add_option("--limit", o->limit, "Board seconds after which an update counts as stuck (default 300)");
  soak->footer(
      "Exit status:\n"
      "  0  every update ended as it must (whatever the success rate)\n"
      "  1  bad command line or images\n"
      "  2  at least one update ended otherwise (BROKEN lines say how)\n"
      "  5  interrupted\n");
  soak->callback([&run, o] { run = [o] { return run_soak(*o); }; });
}

}  // namespace ovrimo::tools
