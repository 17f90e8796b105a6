// `ovrimo bench`: the application update of `ovrimo demo`, run silently and measured: how fast
// the emulator runs, how fast the update goes against the line, how long the bootloader leaves a
// received byte waiting in RDR, and how long the first block's reply takes.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "update_cli.h"
#include "update_demo.h"

namespace ovrimo::tools {

namespace {

using model::LineByte;
using model::Time;
using peers::XmodemSender;

enum BenchStatus { kMeasured = 0, kBadInput = 1, kNotUpdated = 2 };

double ms(Time t) { return model::to_seconds(t) * 1e3; }
double us(Time t) { return model::to_seconds(t) * 1e6; }

double seconds_between(const Mark& a, const Mark& b) {
  return std::chrono::duration<double>(b.wall - a.wall).count();
}

// Where a byte the sender put on the line belongs.
struct SentByte {
  const LineByte* frame = nullptr;
  std::size_t step = 0;
  std::size_t offset = 0;  // within its transmission
};

// The frames of every transmission, found in the line log in order: a transmission's bytes are
// the first frames towards the device that start at or after its start.
std::optional<std::vector<std::vector<SentByte>>> frames_of_transmissions(const UpdateDemo& demo,
                                                                          const std::vector<LineByte>& log) {
  std::vector<const LineByte*> to_device;
  for (const LineByte& b : log)
    if (b.direction == LineByte::Direction::ToDevice) to_device.push_back(&b);
  std::vector<std::vector<SentByte>> out;
  std::size_t next = 0;
  for (const auto& t : demo.sender().transmissions()) {
    while (next < to_device.size() && to_device[next]->start < t.start) ++next;
    if (next + t.bytes.size() > to_device.size()) return std::nullopt;
    std::vector<SentByte> frames;
    for (std::size_t i = 0; i < t.bytes.size(); ++i, ++next) {
      if (to_device[next]->value != t.bytes[i]) return std::nullopt;
      frames.push_back(SentByte{to_device[next], t.step, i});
    }
    out.push_back(std::move(frames));
  }
  return out;
}

Time median(std::vector<Time> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

int run_bench(const UpdateFiles& files) {
  UpdateDemoOptions options = resolve(files);
  std::unique_ptr<UpdateDemo> demo;
  try {
    demo = std::make_unique<UpdateDemo>(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ovrimo bench: %s\n", e.what());
    return kBadInput;
  }
  std::fprintf(stderr, "ovrimo bench: running the update ...\n");
  demo->run(nullptr);
  if (!demo->failure().empty() || !demo->transfer_start() || !demo->transfer_end()) {
    std::fprintf(stderr, "ovrimo bench: the update did not go through, nothing to measure: %s\n",
                 demo->failure().c_str());
    return kNotUpdated;
  }

  const auto& log = demo->board().usart2().line_log();
  const auto sent = frames_of_transmissions(*demo, log);
  if (!sent || sent->empty()) {
    std::fprintf(stderr, "ovrimo bench: the sender's transmissions are not where the line log has them\n");
    return kNotUpdated;
  }
  const auto& plan = demo->sender().plan();
  const std::uint64_t hz = demo->transfer_hclk_hz();
  const Time char_time = demo->transfer_char_time();
  const double line_rate = static_cast<double>(model::kSecond) / static_cast<double>(char_time);  // bytes/s

  std::printf("Figures of the %zu-byte application update on the emulated board\n", demo->image_bytes());
  std::printf("  %s boots with %s installed, answers 'Y', receives %s\n"
              "  in %zu XMODEM blocks (%s bytes) from a sender at %u baud and hands off; the application\n"
              "  prints \"%s\".\n\n",
              options.bootloader.filename().c_str(), options.from.filename().c_str(), options.to.filename().c_str(),
              demo->block_count(), files.block_size.c_str(), options.baud, demo->app_line()->c_str());

  // --- Emulation speed -------------------------------------------------------------------------
  {
    const Mark& a = demo->run_start();
    const Mark& b = demo->run_end();
    const Mark& ta = *demo->transfer_start();
    const Mark& tb = *demo->transfer_end();
    auto line = [](const char* what, const Mark& from, const Mark& to) {
      const double wall = seconds_between(from, to);
      const double cpu = to.cpu_seconds - from.cpu_seconds;
      const double board = model::to_seconds(to.board - from.board);
      const double instructions = static_cast<double>(to.instructions - from.instructions);
      std::printf("  %-9s %5.1f million instructions/s, real-time factor %4.1f  (%.1f million instructions and\n"
                  "  %-9s %.2f s of board time in %.2f s; per CPU second: %.1f million, factor %.1f)\n",
                  what, wall > 0 ? instructions / wall / 1e6 : 0.0, wall > 0 ? board / wall : 0.0, instructions / 1e6,
                  "", board, wall, cpu > 0 ? instructions / cpu / 1e6 : 0.0, cpu > 0 ? board / cpu : 0.0);
    };
    std::printf("Emulation speed\n");
    line("whole run", a, b);
    line("transfer", ta, tb);
    const double total = static_cast<double>(demo->emulator().instructions());
    const double skipped = static_cast<double>(demo->emulator().skipped_instructions());
    std::printf("  whole run: %.1f million instructions run, %.1f million (%.1f %%) jumped over in polling waits%s\n",
                (total - skipped) / 1e6, skipped / 1e6, total > 0 ? 100.0 * skipped / total : 0.0,
                options.skip_waits ? "" : " (--no-skip)");
    if (options.unicorn) std::printf("  CPU: the Unicorn engine (--unicorn)\n");
    std::printf("  How: instructions counted by the emulator (one per instruction executed, those inside IT\n"
                "  blocks included, those of a polling wait jumped over too: a turn that can only repeat\n"
                "  until the next event costs what running it costs); wall time from the host's monotonic clock around the run (whole run:\n"
                "  power-on to the application's line; transfer: the sender taking the first 'C' to EOT\n"
                "  acknowledged), CPU time of this process beside it (the same unless the host is busy);\n"
                "  board time from the model's virtual clock. Real-time factor = board time / wall time.\n"
                "  One instruction is charged one core cycle at HCLK (%.0f MHz).\n\n",
                static_cast<double>(hz) / 1e6);
  }

  // --- Update time and throughput -----------------------------------------------------------
  const SentByte& first_byte = sent->front().front();
  const Time update_start = first_byte.frame->start;
  const Time update_end = demo->acks().back().at;  // the ACK of EOT
  {
    const Time duration = update_end - update_start;
    const double bytes = static_cast<double>(demo->image_bytes());
    const double throughput = bytes / model::to_seconds(duration);
    // What XMODEM itself allows on this line: data bytes per block over the bytes on the wire.
    std::size_t wire = 0, data = 0;
    for (const auto& step : plan) {
      if (step.kind != XmodemSender::Step::Kind::Block) continue;
      data += step.bytes.size();
      wire += step.bytes.size() + 5;
    }
    std::vector<Time> gaps;  // last byte of a block to the first byte of the next
    for (std::size_t i = 1; i < sent->size(); ++i) gaps.push_back((*sent)[i].front().frame->start - (*sent)[i - 1].back().frame->end);
    std::printf("Update\n");
    std::printf("  %.3f s of board time, %.0f bytes/s: %.1f %% of the line limit of %.1f bytes/s\n",
                model::to_seconds(duration), throughput, 100.0 * throughput / line_rate, line_rate);
    std::printf("  (line: %.0f baud, 10 bits per byte; XMODEM framing alone allows %.1f bytes/s; the line is\n"
                "  idle between blocks for %.2f ms (median), %.1f ms (longest), %.1f s in all)\n",
                static_cast<double>(model::kSecond) * 10.0 / static_cast<double>(char_time),
                line_rate * static_cast<double>(data) / static_cast<double>(wire), ms(median(gaps)),
                ms(*std::max_element(gaps.begin(), gaps.end())),
                [&] {
                  Time sum = 0;
                  for (Time g : gaps) sum += g;
                  return model::to_seconds(sum);
                }());
    std::printf("  How: from the start bit of the first byte of block 1 to the end of the ACK that answers\n"
                "  EOT, both from the USART model's line log; throughput = image bytes / that time; the line\n"
                "  limit is one byte per character time of the board's receiver (BRR 35 at 4 MHz).\n\n");
  }

  // --- RDR wait -------------------------------------------------------------------------------
  {
    Time longest = 0;
    const SentByte* worst = nullptr;
    std::size_t received = 0, read = 0, lost = 0;
    double total = 0;
    for (const auto& transmission : *sent) {
      for (const SentByte& b : transmission) {
        ++received;
        if (b.frame->outcome != LineByte::Outcome::Delivered) ++lost;
        if (!b.frame->rdr_ready_at || !b.frame->rdr_read_at) continue;
        ++read;
        const Time wait = *b.frame->rdr_read_at - *b.frame->rdr_ready_at;
        total += static_cast<double>(wait);
        if (wait >= longest) {
          longest = wait;
          worst = &b;
        }
      }
    }
    const std::uint64_t cycles = model::time_to_cycles(longest, hz);
    const std::uint64_t budget = model::time_to_cycles(char_time, hz);
    std::printf("RDR wait (a received byte readable in RDR until the firmware reads it)\n");
    std::printf("  longest %llu cycles (%.2f us) against the budget of %llu cycles (one character at %.0f MHz): "
                "%s\n",
                static_cast<unsigned long long>(cycles), us(longest), static_cast<unsigned long long>(budget),
                static_cast<double>(hz) / 1e6, cycles < budget ? "within" : "OVER");
    if (worst != nullptr) {
      const auto& step = plan[worst->step];
      std::string where = step.kind == XmodemSender::Step::Kind::Block
                              ? "block " + std::to_string(worst->step + 1) + ", byte " + std::to_string(worst->offset) +
                                    " of " + std::to_string(step.bytes.size() + 5)
                              : "EOT";
      std::printf("  at %s; mean %.0f cycles; %zu bytes received, %zu read, %zu not delivered to RDR\n",
                  where.c_str(), read > 0 ? static_cast<double>(model::time_to_cycles(static_cast<Time>(total / static_cast<double>(read)), hz)) : 0.0,
                  received, read, lost);
    }
    std::printf("  How: the USART model records for every received byte the moment it became readable (RXNE\n"
                "  rose for it) and the moment an RDR read took it; the emulator brings virtual time up to\n"
                "  the executing instruction before each register access, so both are exact to the\n"
                "  instruction. Longest difference over every byte of the update (block 1 to EOT), in\n"
                "  core cycles at HCLK.\n\n");
  }

  // --- Block replies, the first one with the erase ----------------------------------------------------------------------
  {
    // The last transmission of each step, and the ACK that moved the sender on from it.
    std::vector<Time> replies, before_programming, programming;
    std::optional<Time> first_reply;
    Time first_end = 0, first_ack = 0;
    const auto& changes = demo->flash_changes();
    for (const BlockAck& ack : demo->acks()) {
      const std::vector<SentByte>* last = nullptr;
      for (const auto& t : *sent)
        if (t.front().step == ack.step) last = &t;
      if (last == nullptr || plan[ack.step].kind != XmodemSender::Step::Kind::Block) continue;
      const Time end = last->back().frame->end;
      if (ack.step == 0) {
        first_reply = ack.at - end;
        first_end = end;
        first_ack = ack.at;
        continue;
      }
      replies.push_back(ack.at - end);
      // The quad-words of this block: programmed between its last byte and its ACK.
      std::optional<Time> first_program, last_program;
      for (const auto& c : changes) {
        if (c.at <= end || c.at > ack.at || c.size == model::FlashArray::kPageSize) continue;
        if (!first_program) first_program = c.at;
        last_program = c.at;
      }
      if (first_program) {
        before_programming.push_back(*first_program - end);
        programming.push_back(*last_program - *first_program);
      }
    }
    std::size_t erases = 0;
    for (const auto& c : changes)
      if (c.size == model::FlashArray::kPageSize && c.at > first_end && c.at <= first_ack) ++erases;
    std::printf("Block replies\n");
    if (first_reply) {
      std::printf("  first block: %.1f ms from the end of block 1's last byte to the end of its ACK; %zu page erases\n"
                  "  completed in between\n",
                  ms(*first_reply), erases);
    }
    if (!replies.empty()) {
      std::printf("  other blocks: %.2f ms (median), %.2f ms (longest); typically %.2f ms pass before a block's\n"
                  "  first quad-word is programmed (the receiver's checks, its CRC included) and %.2f ms from\n"
                  "  its first quad-word programmed to its last\n",
                  ms(median(replies)), ms(*std::max_element(replies.begin(), replies.end())),
                  ms(median(before_programming)), ms(median(programming)));
    }
    std::printf("  How: end of a block's last frame and end of the ACK frame from the line log; programs and\n"
                "  erases from the flash model's completion reports (a page erase reports 8 KB) in between.\n");
  }
  return kMeasured;
}

}  // namespace

void add_bench_command(CLI::App& app, CommandRunner& run) {
  auto files = std::make_shared<UpdateFiles>();
  CLI::App* bench = app.add_subcommand(
      "bench",
      "Measure the application update of `ovrimo demo` on the emulated board: emulation speed and\n"
      "real-time factor, the update's board time and throughput against the line, the longest time a\n"
      "received byte waits in RDR (in core cycles) against one character time, and the first block's\n"
      "reply delay (the erase of the application region). Each figure says how it was measured.\n"
      "The images default as for `ovrimo demo`.");
  add_update_options(*bench, *files);
  bench->footer(
      "Exit status: 0 measured; 1 bad command line or images; 2 the update did not go through.\n");
  bench->callback([&run, files] { run = [files] { return run_bench(*files); }; });
}

}  // namespace ovrimo::tools
