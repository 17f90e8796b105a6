#include "model/flash.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "model/bus.h"

namespace ovrimo::model {

std::uint32_t FlashArray::read(std::uint32_t offset, unsigned size) {
  std::uint32_t value = 0;
  if (offset < kSize) std::memcpy(&value, bytes_.data() + offset, std::min<std::uint32_t>(size, kSize - offset));
  return value;  // little-endian host, as the chip
}

void FlashArray::write(std::uint32_t offset, std::uint32_t value, unsigned size) {
  if (store_handler_) store_handler_(offset, value, size);
}

std::uint32_t FlashArray::word(std::uint32_t address) const {
  const std::uint32_t offset = address - kBase;
  if (offset > kSize - 4) throw std::out_of_range("flash word outside the array");
  std::uint32_t value = 0;
  std::memcpy(&value, bytes_.data() + offset, 4);
  return value;
}

bool FlashArray::ecc_intact(std::uint32_t offset, unsigned size) const {
  if (ecc_broken_.empty() || size == 0) return true;
  for (std::uint32_t q = offset & ~0xFu; q < offset + size; q += 16)
    if (ecc_broken_.count(q) != 0) return false;
  return true;
}

void FlashArray::mend_ecc(std::uint32_t offset, std::uint32_t size) {
  ecc_broken_.erase(ecc_broken_.lower_bound(offset), ecc_broken_.lower_bound(offset + size));
}

void FlashArray::restore(FlashContents contents) {
  if (contents.bytes.size() != kSize) throw std::invalid_argument("flash contents of another size than the array");
  if (!contents.broken_ecc.empty() && *contents.broken_ecc.rbegin() >= kSize)
    throw std::invalid_argument("broken ECC outside the array");
  // Into the same storage: the emulator's CPU reads the array in place.
  std::copy(contents.bytes.begin(), contents.bytes.end(), bytes_.begin());
  ecc_broken_.clear();
  for (std::uint32_t offset : contents.broken_ecc) break_ecc(offset);
}

namespace {

constexpr std::uint32_t kQuadWord = 16;
constexpr std::uint32_t kBurst = 8 * kQuadWord;
constexpr std::uint32_t kSwapBank = 1u << 20;  // OPTR
constexpr std::uint32_t kProgrammingErrors =
    FlashController::kPgaerr | FlashController::kSizerr | FlashController::kPgserr | FlashController::kProgerr |
    FlashController::kWrperr;
constexpr std::uint32_t kEccie = 1u << 24, kBkEcc = 1u << 21, kEccd = 1u << 31, kEccFlags = 3u << 30;  // ECCR
// NSCR bits that simply take what software writes.
constexpr std::uint32_t kNscrPlain = FlashController::kPg | FlashController::kPer | FlashController::kMer1 |
                                     FlashController::kPnbMask | FlashController::kBker | FlashController::kBwr |
                                     FlashController::kMer2 | FlashController::kEopie | FlashController::kErrie;

std::uint32_t page_of(std::uint32_t offset) { return offset / FlashArray::kPageSize; }

}  // namespace

FlashController::FlashController(Scheduler& scheduler, FlashArray& array, FlashTiming timing,
                                 FlashOptionBytes options)
    : Peripheral("FLASH", kBase, 0x400), scheduler_(scheduler), array_(array), timing_(timing), options_(options) {
  // LATENCY, PRFTEN, LPM, PDREQ1, PDREQ2, SLEEP_PD. A power-down request only takes with its key.
  regs_.define({"ACR", 0x000, 0x00000000, Access::ReadWrite, 0x0000790Fu})
      .on_write([this](std::uint32_t old, std::uint32_t) {
        Register& acr = regs_.named("ACR");
        for (unsigned i = 0; i < 2; ++i) {
          const std::uint32_t bit = 1u << (12 + i);
          if ((old & bit) == 0 && acr.any(bit)) {
            if (pd_unlocked_[i]) pd_unlocked_[i] = false;  // one request per key pair
            else acr.clear_bits(bit);
          }
        }
      });
  regs_.define({"NSKEYR", 0x008, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t key) {
    if (ns_key_.state != KeyState::Blocked && !nscr().any(kLock)) ns_key_.state = KeyState::Blocked;  // key while unlocked
    if (key_write(ns_key_, key)) nscr().clear_bits(kLock);
    if (ns_key_.state == KeyState::Blocked) nscr().set_bits(kLock);
  });
  regs_.define({"SECKEYR", 0x00C, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t key) {
    Register& seccr = regs_.named("SECCR");
    if (sec_key_.state != KeyState::Blocked && !seccr.any(kLock)) sec_key_.state = KeyState::Blocked;
    if (key_write(sec_key_, key)) seccr.clear_bits(kLock);
    if (sec_key_.state == KeyState::Blocked) seccr.set_bits(kLock);
  });
  // The option keys are only listened to while NSCR is unlocked.
  regs_.define({"OPTKEYR", 0x010, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t key) {
    if (nscr().any(kLock)) return;
    if (opt_key_.state != KeyState::Blocked && !nscr().any(kOptlock)) opt_key_.state = KeyState::Blocked;
    if (key_write(opt_key_, key)) nscr().clear_bits(kOptlock);
    if (opt_key_.state == KeyState::Blocked) nscr().set_bits(kOptlock);
  });
  for (unsigned i = 0; i < 2; ++i)
    regs_.define({i == 0 ? "PDKEY1R" : "PDKEY2R", 0x018u + 4 * i, 0, Access::WriteOnly})
        .on_write([this, i](std::uint32_t, std::uint32_t key) {
          if (key_write(pd_key_[i], key)) pd_unlocked_[i] = true;
        });
  nssr_ = &regs_.define({"NSSR", 0x020, 0x00000000, Access::Write1Clear, kEop | kErrors});
  regs_.define({"SECSR", 0x024, 0x00000000, Access::Write1Clear, kEop | kErrors});
  // The plain bits take the written value; the hook handles the lock, the set-only bits (LOCK,
  // OPTLOCK, STRT) and the start of operations.
  nscr_ = &regs_.define({"NSCR", 0x028, kLock | kOptlock, Access::ReadWrite, kNscrPlain});
  nscr_->on_write([this](std::uint32_t old, std::uint32_t written) { nscr_written(old, written); });
  // TrustZone is off: the secure control register keeps what is written but starts nothing.
  regs_.define({"SECCR", 0x02C, kLock, Access::ReadWrite, kNscrPlain})
      .on_write([this](std::uint32_t old, std::uint32_t written) {
        Register& seccr = regs_.named("SECCR");
        if (old & kLock) seccr.set(old);  // locked: the write is ignored
        else seccr.set_bits(written & kLock);
      });
  regs_.define({"ECCR", 0x030, 0, Access::ReadWrite, kEccie}).on_write([this](std::uint32_t, std::uint32_t written) {
    regs_.named("ECCR").clear_bits(written & kEccFlags);
  });
  regs_.define({"OPSR", 0x034, 0, Access::ReadOnly});
  // Loaded from the option bytes; option programming is not modelled.
  const std::pair<const char*, std::uint32_t> option_registers[] = {
      {"OPTR", options_.optr},         {"NSBOOTADD0R", options_.nsbootadd0r},
      {"NSBOOTADD1R", options_.nsbootadd1r}, {"SECBOOTADD0R", options_.secbootadd0r},
      {"SECWM1R1", options_.secwm1r1}, {"SECWM1R2", options_.secwm1r2},
      {"WRP1AR", options_.wrp1ar},     {"WRP1BR", options_.wrp1br},
      {"SECWM2R1", options_.secwm2r1}, {"SECWM2R2", options_.secwm2r2},
      {"WRP2AR", options_.wrp2ar},     {"WRP2BR", options_.wrp2br},
  };
  std::uint32_t offset = 0x040;
  for (const auto& [name, value] : option_registers) {
    regs_.define({name, offset, value, Access::ReadOnly});
    offset += 4;
  }
  static constexpr const char* kOemKeys[] = {"OEM1KEYR1", "OEM1KEYR2", "OEM2KEYR1", "OEM2KEYR2"};
  for (unsigned i = 0; i < 4; ++i) regs_.define({kOemKeys[i], 0x070u + 4 * i, 0, Access::WriteOnly});
  // Secure-only registers read as zero and ignore writes while TrustZone is off.
  static constexpr const char* kSecure[] = {"SEC1BBR1", "SEC1BBR2", "SEC1BBR3", "SEC1BBR4",
                                            "SEC2BBR1", "SEC2BBR2", "SEC2BBR3", "SEC2BBR4"};
  for (unsigned i = 0; i < 8; ++i) regs_.define({kSecure[i], (i < 4 ? 0x080u : 0x0A0u) + 4 * (i % 4), 0, Access::ReadOnly});
  regs_.define({"SECHDPCR", 0x0C0, 0, Access::ReadOnly});
  regs_.define({"PRIVCFGR", 0x0C4, 0, Access::ReadWrite, 0x3u});
  static constexpr const char* kPrivileged[] = {"PRIV1BBR1", "PRIV1BBR2", "PRIV1BBR3", "PRIV1BBR4",
                                                "PRIV2BBR1", "PRIV2BBR2", "PRIV2BBR3", "PRIV2BBR4"};
  for (unsigned i = 0; i < 8; ++i) regs_.define({kPrivileged[i], (i < 4 ? 0x0D0u : 0x0F0u) + 4 * (i % 4), 0});

  array_.set_store_handler([this](std::uint32_t offset, std::uint32_t value, unsigned size) { store(offset, value, size); });
}

void FlashController::reset() {
  Peripheral::reset();
  scheduler_.cancel(finish_event_);
  finish_event_ = 0;
  cut(running_);
  running_ = Operation{};
  unit_base_.reset();
  unit_filled_ = 0;
  for (KeyLock* lock : {&ns_key_, &sec_key_, &opt_key_, &pd_key_[0], &pd_key_[1]}) lock->state = KeyState::WaitKey1;
  pd_unlocked_[0] = pd_unlocked_[1] = false;
  update_status();
}

bool FlashController::key_write(KeyLock& lock, std::uint32_t value) {
  switch (lock.state) {
    case KeyState::Blocked:
      return false;
    case KeyState::WaitKey1:
      lock.state = value == lock.key1 ? KeyState::WaitKey2 : KeyState::Blocked;
      return false;
    case KeyState::WaitKey2:
      if (value != lock.key2) {
        lock.state = KeyState::Blocked;
        return false;
      }
      lock.state = KeyState::WaitKey1;  // ready for the next unlock after software locks again
      return true;
  }
  return false;
}

void FlashController::nscr_written(std::uint32_t old, std::uint32_t written) {
  if (old & kLock) {  // locked: the write is ignored
    nscr().set(old);
    return;
  }
  // LOCK, OPTLOCK and STRT are set by software and cleared only by the hardware.
  const std::uint32_t value = nscr().value() | (written & (kLock | kOptlock | kStrt));
  nscr().set(value);

  // Changing the programming mode in the middle of a quad-word or burst breaks the sequence.
  if (unit_base_ && ((value & kPg) == 0 || ((value ^ old) & kBwr) != 0)) {
    raise(kPgserr);
    drop_pending();
    if (running_.kind == OpKind::None) nscr().clear_bits(kStrt);  // nothing starts from a broken sequence
    return;
  }
  if ((written & kStrt) == 0) return;
  if (running_.kind == OpKind::None) {
    if ((old & kStrt) == 0) start_erase(value);
    return;
  }
  // A request while an operation runs.
  const unsigned requested_banks = ((value & kMer1) ? 1u : 0u) | ((value & kMer2) ? 2u : 0u);
  if (running_.kind == OpKind::MassErase && (value & (kPg | kPer)) == 0 && requested_banks != 0) {
    unsigned added = 0;
    for (unsigned logical = 1; logical <= 2; ++logical) {
      const unsigned physical = 1u << physical_bank(bank_offset(logical));
      if ((requested_banks & (1u << (logical - 1))) && !(running_.banks & physical)) {
        running_.banks |= physical;
        ++added;
      }
    }
    if (added != 0) {
      running_.offset = running_.banks == 2 ? FlashArray::kBankSize : 0;
      running_.size = running_.banks == 3 ? FlashArray::kSize : FlashArray::kBankSize;
      running_.ends += added * timing_.bank_erase;
      schedule_finish();
    }
    return;
  }
  const bool same_page_erase = running_.kind == OpKind::PageErase && (value & (kPg | kMer1 | kMer2)) == 0 &&
                               (value & kPer) &&
                               bank_offset((value & kBker) ? 2 : 1) + ((value & kPnbMask) >> 3) * FlashArray::kPageSize ==
                                   running_.offset;
  if (!same_page_erase) raise(kPgserr);
}

void FlashController::start_erase(std::uint32_t value) {
  const bool per = value & kPer;
  const unsigned mer = ((value & kMer1) ? 1u : 0u) | ((value & kMer2) ? 2u : 0u);
  if ((value & kPg) || (per && mer != 0) || (!per && mer == 0)) {
    raise(kPgserr);
    nscr().clear_bits(kStrt);
    return;
  }
  Operation op;
  if (per) {
    op.kind = OpKind::PageErase;
    op.offset = bank_offset((value & kBker) ? 2 : 1) + ((value & kPnbMask) >> 3) * FlashArray::kPageSize;
    op.size = FlashArray::kPageSize;
    if (protected_offset(op.offset)) {
      raise(kWrperr);
      nscr().clear_bits(kStrt);
      return;
    }
    begin(std::move(op), timing_.page_erase);
    return;
  }
  op.kind = OpKind::MassErase;
  unsigned count = 0;
  for (unsigned logical = 1; logical <= 2; ++logical) {
    if (!(mer & (1u << (logical - 1)))) continue;
    const std::uint32_t base = bank_offset(logical);
    for (std::uint32_t page = 0; page < FlashArray::kPagesPerBank; ++page) {
      if (protected_offset(base + page * FlashArray::kPageSize)) {
        raise(kWrperr);
        nscr().clear_bits(kStrt);
        return;
      }
    }
    op.banks |= 1u << physical_bank(base);
    ++count;
  }
  op.offset = op.banks == 2 ? FlashArray::kBankSize : 0;
  op.size = op.banks == 3 ? FlashArray::kSize : FlashArray::kBankSize;
  begin(std::move(op), count * timing_.bank_erase);
}

void FlashController::store(std::uint32_t offset, std::uint32_t value, unsigned size) {
  // The bus stalls until the running operation has ended.
  while (running_.kind != OpKind::None || busy_held_) {
    if (busy_held_) throw BusError(FlashArray::kBase + offset, true);
    scheduler_.advance_to(running_.ends);
  }
  if (nssr().any(kProgrammingErrors)) return;  // the rest of a failed sequence is dropped
  if (size != 4) {
    raise(kSizerr);
    drop_pending();
    return;
  }
  const std::uint32_t cr = nscr().value();
  if ((cr & kPg) == 0 || (cr & (kLock | kPer | kMer1 | kMer2)) != 0) {
    raise(kPgserr);
    drop_pending();
    return;
  }
  const std::uint32_t unit = (cr & kBwr) ? kBurst : kQuadWord;
  const std::uint32_t base = offset & ~(unit - 1);
  if ((offset & 3u) != 0 || (unit_base_ && (*unit_base_ != base || unit_size_ != unit))) {
    raise(kPgaerr);
    drop_pending();
    return;
  }
  if (!unit_base_) {
    unit_base_ = base;
    unit_size_ = unit;
    unit_data_.assign(unit, 0xFF);
    unit_filled_ = 0;
  }
  const std::uint32_t index = (offset - base) / 4;
  std::memcpy(unit_data_.data() + 4 * index, &value, 4);
  unit_filled_ |= std::uint64_t{1} << index;
  if (unit_filled_ == (std::uint64_t{1} << (unit / 4)) - 1) program_buffer();
  update_status();
}

void FlashController::program_buffer() {
  Operation op;
  op.kind = unit_size_ == kBurst ? OpKind::Burst : OpKind::Program;
  op.offset = *unit_base_;
  op.size = unit_size_;
  op.data = std::move(unit_data_);
  drop_pending();
  if (protected_offset(op.offset)) {
    raise(kWrperr);
    return;
  }
  // Each quad-word must be erased, unless it is being written with zeros.
  for (std::uint32_t q = 0; q < op.size; q += kQuadWord) {
    const auto data = op.data.begin() + q;
    const auto target = array_.bytes().begin() + op.offset + q;
    const bool zeros = std::all_of(data, data + kQuadWord, [](std::uint8_t b) { return b == 0; });
    const bool erased = std::all_of(target, target + kQuadWord, [](std::uint8_t b) { return b == 0xFF; });
    if (!zeros && !erased) {
      raise(kProgerr);
      return;
    }
  }
  const Time duration = op.kind == OpKind::Burst ? timing_.burst_program : timing_.quad_word_program;
  begin(std::move(op), duration);
}

void FlashController::begin(Operation op, Time duration) {
  op.started = scheduler_.now();
  op.ends = op.started + duration;
  running_ = std::move(op);
  schedule_finish();
  update_status();
  if (const auto started = describe(running_))
    for (auto& listener : start_listeners_) listener(*started);
}

std::optional<FlashOperation> FlashController::describe(const Operation& op) {
  FlashOperation out;
  switch (op.kind) {
    case OpKind::None: return std::nullopt;
    case OpKind::Program: out.kind = FlashOperation::Kind::Program; break;
    case OpKind::Burst: out.kind = FlashOperation::Kind::Burst; break;
    case OpKind::PageErase: out.kind = FlashOperation::Kind::PageErase; break;
    case OpKind::MassErase: out.kind = FlashOperation::Kind::MassErase; break;
  }
  out.address = FlashArray::kBase + op.offset;
  out.size = op.size;
  out.started = op.started;
  out.ends = op.ends;
  return out;
}

std::optional<FlashOperation> FlashController::running_operation() const { return describe(running_); }

void FlashController::schedule_finish() {
  scheduler_.cancel(finish_event_);
  finish_event_ = 0;
  if (running_.kind == OpKind::None || busy_held_) return;
  finish_event_ = scheduler_.at(running_.ends, [this] {
    finish_event_ = 0;
    finish();
  });
}

void FlashController::finish() {
  Operation op = std::move(running_);
  running_ = Operation{};
  std::vector<std::uint8_t>& bytes = array_.bytes();
  std::uint32_t failed = 0;
  const auto erase_page = [&](std::uint32_t page_offset) {
    const auto fault = erase_faults_.find(page_of(page_offset));
    if (fault != erase_faults_.end()) {
      if (fault->second == FaultReport::Flag) failed |= kOperr;
      return;
    }
    std::fill_n(bytes.begin() + page_offset, FlashArray::kPageSize, 0xFF);
    array_.mend_ecc(page_offset, FlashArray::kPageSize);
  };
  switch (op.kind) {
    case OpKind::None:
      return;
    case OpKind::Program:
    case OpKind::Burst:
      for (std::uint32_t q = 0; q < op.size; q += kQuadWord) {
        const auto fault = program_faults_.find(op.offset + q);
        if (fault != program_faults_.end()) {
          if (fault->second == FaultReport::Flag) failed |= kProgerr;
          continue;
        }
        // Programming only clears bits; the erased check made this a plain copy except for zeros.
        for (std::uint32_t i = 0; i < kQuadWord; ++i) bytes[op.offset + q + i] &= op.data[q + i];
      }
      for (std::uint32_t i = 0; i < op.size; ++i) {
        const auto corruption = corruptions_.find(op.offset + i);
        if (corruption != corruptions_.end()) bytes[op.offset + i] ^= corruption->second;
      }
      break;
    case OpKind::PageErase:
      erase_page(op.offset);
      break;
    case OpKind::MassErase:
      for (unsigned bank = 0; bank < 2; ++bank) {
        if (!(op.banks & (1u << bank))) continue;
        for (std::uint32_t page = 0; page < FlashArray::kPagesPerBank; ++page)
          erase_page(bank * FlashArray::kBankSize + page * FlashArray::kPageSize);
      }
      break;
  }
  nscr().clear_bits(kStrt);
  if (failed != 0) raise(failed);
  else if (nscr().any(kEopie)) nssr().set_bits(kEop);
  update_status();
  for (auto& listener : change_listeners_) listener(FlashArray::kBase + op.offset, op.size);
}

void FlashController::cut(const Operation& op) {
  std::vector<std::uint8_t>& bytes = array_.bytes();
  switch (op.kind) {
    case OpKind::None:
    case OpKind::MassErase:
      return;  // not used by the firmware; a cut mass erase changes nothing here
    case OpKind::PageErase:
      if (cut_breaks_ecc_)
        for (std::uint32_t q = 0; q < op.size; q += kQuadWord) array_.break_ecc(op.offset + q);
      return;
    case OpKind::Program:
    case OpKind::Burst:
      for (std::uint32_t q = 0; q < op.size; q += kQuadWord) {
        const std::uint32_t at = op.offset + q;
        const std::vector<std::uint8_t> before(bytes.begin() + at, bytes.begin() + at + kQuadWord);
        for (std::uint32_t i = 0; i < kQuadWord; i += 2) bytes[at + i] &= op.data[q + i];
        // The cells hold neither what was there nor what was meant: their ECC matches neither.
        const bool unchanged = std::equal(before.begin(), before.end(), bytes.begin() + at);
        const bool complete = std::equal(op.data.begin() + q, op.data.begin() + q + kQuadWord, bytes.begin() + at);
        if (cut_breaks_ecc_ && !unchanged && !complete) array_.break_ecc(at);
      }
      for (auto& listener : change_listeners_) listener(FlashArray::kBase + op.offset, op.size);
      return;
  }
}

bool FlashController::check_read(std::uint32_t offset, unsigned size) {
  if (array_.ecc_intact(offset, size)) return true;
  Register& eccr = regs_.named("ECCR");
  if (!eccr.any(kEccd)) {
    const std::uint32_t quad = offset & ~(kQuadWord - 1);
    const std::uint32_t bank = physical_bank(quad) != physical_bank(bank_offset(1)) ? kBkEcc : 0;
    eccr.set((eccr.value() & kEccie) | kEccd | bank | (quad % FlashArray::kBankSize));
  }
  if (ecc_listener_) ecc_listener_();
  return false;
}

void FlashController::raise(std::uint32_t flags) { nssr().set_bits(flags); }

void FlashController::drop_pending() {
  unit_base_.reset();
  unit_data_.clear();
  unit_filled_ = 0;
  update_status();
}

void FlashController::update_status() {
  nssr().assign_bits(kBsy, running_.kind != OpKind::None || busy_held_);
  nssr().assign_bits(kWdw, unit_base_.has_value());
}

std::uint32_t FlashController::bank_offset(unsigned logical_bank) const {
  const bool swapped = (options_.optr & kSwapBank) != 0;
  const unsigned physical = (logical_bank == 2) != swapped ? 1 : 0;
  return physical * FlashArray::kBankSize;
}

bool FlashController::protected_offset(std::uint32_t offset) const {
  return protected_pages_.count(page_of(offset)) != 0;
}

void FlashController::protect_pages(unsigned bank, unsigned first, unsigned last) {
  if (bank < 1 || bank > 2 || last >= FlashArray::kPagesPerBank || first > last)
    throw std::out_of_range("no such flash pages");
  for (unsigned page = first; page <= last; ++page)
    protected_pages_.insert(page_of(bank_offset(bank)) + page);
}

namespace {
std::uint32_t array_offset(std::uint32_t address) {
  const std::uint32_t offset = address - FlashArray::kBase;
  if (offset >= FlashArray::kSize) throw std::out_of_range("address outside the flash array");
  return offset;
}
}  // namespace

void FlashController::fail_erase(std::uint32_t address, FaultReport report) {
  erase_faults_[page_of(array_offset(address))] = report;
}

void FlashController::fail_program(std::uint32_t address, FaultReport report) {
  program_faults_[array_offset(address) & ~(kQuadWord - 1)] = report;
}

void FlashController::corrupt_program(std::uint32_t address, std::uint8_t xor_mask) {
  corruptions_[array_offset(address)] = xor_mask;
}

void FlashController::hold_busy(bool held) {
  busy_held_ = held;
  if (!held && running_.kind != OpKind::None && running_.ends <= scheduler_.now()) {
    finish();
    return;
  }
  schedule_finish();
  update_status();
}

void FlashController::clear_faults() {
  erase_faults_.clear();
  program_faults_.clear();
  corruptions_.clear();
  protected_pages_.clear();
  hold_busy(false);
}

}  // namespace ovrimo::model
