// `ovrimo power-cut`: the power goes at each of many points of an application update on the
// emulated board; after each, the board is powered on from what the flash was left holding.
#include <CLI/CLI.hpp>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <limits>
#include <map>
#include <numeric>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "commands.h"
#include "power_cut.h"
#include "update_cli.h"

namespace ovrimo::tools {

namespace {

enum PowerCutStatus { kAllSound = 0, kBadInput = 1, kDefects = 2, kInterrupted = 5 };

struct PowerCutOptions {
  UpdateFiles files;
  std::size_t points = 200;
  unsigned jobs = 2;
  // How many cuts an update follows, evenly chosen; all by default.
  std::size_t follow_ups = std::numeric_limits<std::size_t>::max();
  bool verbose = false;
};

std::atomic<bool> g_interrupt{false};
extern "C" void interrupt_campaign(int) { g_interrupt.store(true); }

using Clock = std::chrono::steady_clock;

std::uint32_t bit_reversed(std::uint32_t v) {
  std::uint32_t out = 0;
  for (int bit = 0; bit < 32; ++bit, v >>= 1) out = (out << 1) | (v & 1u);
  return out;
}

std::string duration_text(double seconds) {
  char text[32];
  const long s = static_cast<long>(seconds + 0.5);
  std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  return text;
}

std::string describe(const CutResult& r) {
  char text[160];
  std::snprintf(text, sizeof text, "%s at %.6f s (%s)", to_string(r.point.kind), model::to_seconds(r.point.at),
                r.point.what.c_str());
  return text;
}

std::string landing(const CutResult& r) {
  if (!r.interrupted) return "no flash operation running";
  char text[96];
  std::snprintf(text, sizeof text, "%s at 0x%08X",
                r.interrupted->kind == model::FlashOperation::Kind::PageErase ? "page erase" : "quad-word program",
                static_cast<unsigned>(r.interrupted->address));
  return text;
}

bool sound(const CutResult& r) {
  return r.on_target && r.outcome != PowerOnOutcome::Bad && r.follow_up_updated.value_or(true);
}

// One line per point that went wrong, whatever the verbosity.
void report_point(const CutResult& r, bool verbose) {
  if (sound(r) && !verbose) return;
  std::string line = describe(r) + ": " + landing(r) + ", " + std::to_string(r.broken_quad_words) +
                     " quad-words with broken ECC; power-on: " + to_string(r.outcome) + " (" + r.detail + ")";
  if (!r.on_target) line += "; MISSED its aim (" + std::to_string(r.acks_at_cut) + " ACKs at the cut)";
  if (r.follow_up_updated) line += *r.follow_up_updated ? "; update from there: done" : "; update from there FAILED: " + r.follow_up_failure;
  std::fprintf(stderr, "%s %s\n", sound(r) ? "  " : "!!", line.c_str());
}

class Progress {
 public:
  Progress(std::size_t total, Clock::time_point start) : total_(total), start_(start), terminal_(::isatty(2) != 0) {}

  void done(std::size_t count, std::size_t bad) {
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    const double left = count == 0 ? 0 : elapsed / static_cast<double>(count) * static_cast<double>(total_ - count);
    const std::size_t tenth = count * 10 / std::max<std::size_t>(total_, 1);
    if (!terminal_ && tenth == last_tenth_ && count != total_) return;
    last_tenth_ = tenth;
    std::fprintf(stderr, "%s[%zu/%zu cuts, %zu bad] %s elapsed, about %s left%s", terminal_ ? "\r" : "", count, total_, bad,
                 duration_text(elapsed).c_str(), duration_text(left).c_str(), terminal_ ? "   " : "\n");
    if (terminal_ && count == total_) std::fputc('\n', stderr);
  }
  // A full line to come: the live line gives way first.
  void interrupt_line() {
    if (terminal_) std::fputc('\n', stderr);
  }

 private:
  std::size_t total_;
  Clock::time_point start_;
  bool terminal_;
  std::size_t last_tenth_ = 0;
};

struct Row {
  std::size_t cuts = 0, on_target = 0, bad = 0, follow_ups = 0, updated = 0, broken = 0;
  std::map<PowerOnOutcome, std::size_t> outcomes;
  void add(const CutResult& r) {
    ++cuts;
    on_target += r.on_target ? 1 : 0;
    ++outcomes[r.outcome];
    broken += r.broken_quad_words != 0 ? 1 : 0;
    if (r.follow_up_updated) {
      ++follow_ups;
      updated += *r.follow_up_updated ? 1 : 0;
    }
  }
};

void print_row(const char* name, const Row& row) {
  auto n = [&row](PowerOnOutcome o) {
    const auto it = row.outcomes.find(o);
    return it == row.outcomes.end() ? std::size_t{0} : it->second;
  };
  char follow[32] = "-";
  if (row.follow_ups != 0) std::snprintf(follow, sizeof follow, "%zu/%zu", row.updated, row.follow_ups);
  std::printf("%-36s %5zu %7zu %8zu %8zu %8zu %5zu %11zu %10s\n", name, row.cuts, row.on_target,
              n(PowerOnOutcome::OldApplication), n(PowerOnOutcome::NewApplication),
              n(PowerOnOutcome::NoApplicationPrompt), n(PowerOnOutcome::Bad), row.broken, follow);
}

int run_power_cut(const PowerCutOptions& o) {
  std::unique_ptr<PowerCutCampaign> campaign;
  try {
    campaign = std::make_unique<PowerCutCampaign>(resolve(o.files));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ovrimo power-cut: %s\n", e.what());
    return kBadInput;
  }
  g_interrupt.store(false);
  std::signal(SIGINT, interrupt_campaign);
  std::signal(SIGTERM, interrupt_campaign);
  RunStopper stopper;
  const auto start = Clock::now();

  std::fprintf(stderr, "ovrimo power-cut: the update once through, to time its events ...\n");
  UpdateTimeline timeline;
  std::vector<CutPoint> points;
  std::vector<CutResult> results;
  std::atomic<std::size_t> next{0};
  std::size_t completed = 0, bad = 0;
  std::string failure;
  std::mutex mutex;
  {
    std::atomic<bool> recorded{false};
    std::thread recorder([&] {
      try {
        timeline = campaign->record(&stopper);
      } catch (const CampaignInterrupted&) {
      } catch (const std::exception& e) {
        failure = e.what();
      }
      recorded.store(true);
    });
    // The runs happen on other threads; this one relays an interruption to them.
    while (!recorded.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (g_interrupt.load()) stopper.stop_all();
    }
    recorder.join();
  }
  if (stopper.stopped()) {
    std::fprintf(stderr, "ovrimo power-cut: interrupted\n");
    return kInterrupted;
  }
  if (!failure.empty()) {
    std::fprintf(stderr, "ovrimo power-cut: %s\n", failure.c_str());
    return kDefects;
  }
  points = choose_cut_points(timeline, o.points);
  const std::size_t follow_ups = std::min(o.follow_ups, points.size());
  // Cut i is followed by an update when it starts a new share of the points.
  auto followed = [&](std::size_t i) { return (i + 1) * follow_ups / points.size() != i * follow_ups / points.size(); };
  const std::string follow_text = follow_ups == points.size() ? ", an update after each"
                                  : follow_ups == 0           ? ""
                                                              : ", an update after " + std::to_string(follow_ups) + " of them";
  std::size_t erases = 0, programs = 0;
  for (const auto& op : timeline.operations)
    (op.kind == model::FlashOperation::Kind::PageErase ? erases : programs) += 1;
  std::fprintf(stderr,
               "ovrimo power-cut: %zu blocks acknowledged, %zu page erases and %zu quad-word programs, EOT "
               "acknowledged at %.3f s, hand-off at %.3f s of board time; %zu cut points, %u jobs%s\n",
               timeline.blocks, erases, programs, model::to_seconds(timeline.eot_ack), model::to_seconds(timeline.handoff),
               points.size(), o.jobs, follow_text.c_str());

  results.resize(points.size());
  std::vector<bool> done(points.size(), false);
  // Taken in an order that covers the whole update early on, so that an interrupted campaign
  // still says something about every part of it.
  std::vector<std::size_t> order(points.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
    return bit_reversed(static_cast<std::uint32_t>(a)) < bit_reversed(static_cast<std::uint32_t>(b));
  });
  Progress progress(points.size(), Clock::now());
  std::vector<std::thread> workers;
  for (unsigned j = 0; j < o.jobs; ++j) {
    workers.emplace_back([&] {
      for (;;) {
        const std::size_t n = next.fetch_add(1);
        if (n >= points.size() || stopper.stopped()) return;
        const std::size_t i = order[n];
        CutResult r;
        try {
          r = campaign->run(points[i], followed(i), &stopper);
        } catch (const CampaignInterrupted&) {
          return;
        } catch (const std::exception& e) {
          r.point = points[i];
          r.outcome = PowerOnOutcome::Bad;
          r.detail = std::string("the run threw: ") + e.what();
        }
        const std::lock_guard lock(mutex);
        results[i] = r;
        done[i] = true;
        ++completed;
        bad += sound(r) ? 0 : 1;
        if (!sound(r) || o.verbose) progress.interrupt_line();
        report_point(r, o.verbose);
        progress.done(completed, bad);
      }
    });
  }
  while (completed < points.size() && !stopper.stopped()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (g_interrupt.load()) stopper.stop_all();
    const std::lock_guard lock(mutex);
    if (completed == points.size()) break;
  }
  for (auto& w : workers) w.join();
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  const bool interrupted = stopper.stopped();
  if (interrupted) std::fprintf(stderr, "\novrimo power-cut: interrupted after %zu of %zu cuts; the table shows those\n", completed, points.size());
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  std::vector<CutResult> finished;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (done[i]) finished.push_back(results[i]);

  std::map<CutKind, Row> rows;
  Row total;
  std::map<std::string, std::size_t> spread_landing;
  for (const CutResult& r : finished) {
    rows[r.point.kind].add(r);
    total.add(r);
    if (r.point.kind == CutKind::Spread)
      ++spread_landing[!r.interrupted ? "no flash operation"
                       : r.interrupted->kind == model::FlashOperation::Kind::PageErase ? "a page erase"
                                                                                      : "a quad-word program"];
  }
  const auto old_v = campaign->old_version(), new_v = campaign->new_version();
  const std::string then = follow_ups == 0 ? std::string()
                           : follow_ups == points.size()
                               ? " and an update from there"
                               : " and, for " + std::to_string(follow_ups) + " of them, an update from there";
  std::printf("Power cut during the update %s -> %s: %zu cut points, each followed by a power-on from the flash it left%s\n\n",
              old_v ? to_string(*old_v).c_str() : "?", new_v ? to_string(*new_v).c_str() : "?", finished.size(),
              then.c_str());
  std::printf("%-36s %5s %7s %8s %8s %8s %5s %11s %10s\n", "cut aimed at", "cuts", "on aim", "old app", "new app",
              "prompt", "bad", "broken ECC", "follow-up");
  for (CutKind kind : kCutKinds)
    if (rows.count(kind) != 0) print_row(to_string(kind), rows[kind]);
  print_row("total", total);
  std::printf("\n'prompt': the board stayed at its prompt with \"No valid application - please update.\"; 'broken ECC': cuts\n"
              "that left quad-words whose ECC matches nothing; 'follow-up': updates from the flash each power-on left that\n"
              "succeeded.\n");
  std::string fell;
  for (const auto& [where, count] : spread_landing) fell += (fell.empty() ? "" : ", ") + std::to_string(count) + " in " + where;
  if (!fell.empty()) std::printf("The spread cuts fell: %s.\n", fell.c_str());
  std::printf("Wall time %s (%.1f s per cut with %u jobs).\n", duration_text(wall).c_str(),
              wall / static_cast<double>(std::max<std::size_t>(finished.size(), 1)) * o.jobs, o.jobs);
  if (interrupted) return kInterrupted;
  return bad == 0 ? kAllSound : kDefects;
}

}  // namespace

void add_power_cut_command(CLI::App& app, CommandRunner& run) {
  auto o = std::make_shared<PowerCutOptions>();
  CLI::App* cmd = app.add_subcommand(
      "power-cut",
      "Cut the power at many points of an application update on the emulated board.\n\n"
      "The update of `ovrimo demo` (--from installed, --to sent) runs once through to time its events:\n"
      "each erase and program of the flash, each ACK. Then, for every cut point, a fresh board runs the\n"
      "same update up to that board time and loses its power there; the flash keeps what the cut left\n"
      "(a cut program or erase leaves ECC that matches nothing). A second fresh board is powered on from\n"
      "exactly that flash and answered 'N' (the path its 15 s timeout takes): it must start a complete\n"
      "application, old or new, or stay at its prompt with \"No valid application - please update.\". A fault, a hang, a jump into a\n"
      "half-written image count as bad. An update from the flash it ends with must then succeed.\n\n"
      "Points: a few aimed at each risky moment (before the first erase, the middle of a page erase,\n"
      "of a quad-word program,\n"
      "a block written before its ACK, the metadata block, right after the EOT's ACK, the hand-off),\n"
      "each checked to have hit its aim, and --points spread evenly over the transfer.");
  add_update_options(*cmd, o->files);
  cmd->add_option("--points", o->points, "Cut points spread evenly over the transfer (default 200)")
      ->check(CLI::Range(0, 100000));
  cmd->add_option("--jobs", o->jobs, "Cut points run at once, one thread each (default 2)")->check(CLI::Range(1, 64));
  cmd->add_option("--follow-ups", o->follow_ups,
                  "Follow only this many cuts, evenly chosen, with an update (default: every cut; each update is\n"
                  "about half the cost of a cut point)");
  cmd->add_flag("--verbose", o->verbose, "One line per cut point, not only for those that went wrong");
  cmd->footer(
      "Exit status:\n"
      "  0  every cut hit its aim, every power-on ended with a complete application or the prompt, and\n"
      "     every update that followed succeeded\n"
      "  1  bad command line or an image that cannot be read\n"
      "  2  anything else (standard error names each cut that went wrong)\n"
      "  5  interrupted (Ctrl-C or SIGTERM)\n");
  cmd->callback([&run, o] { run = [o] { return run_power_cut(*o); }; });
}

}  // namespace ovrimo::tools
