// The flash memory array and its controller (FLASH interface registers).
//
// What the controller does, in the order a driver meets it:
// - NSCR is locked from reset. KEY1 then KEY2 written to NSKEYR clear LOCK; a wrong key, the keys
//   in the wrong order, or a key written while NSCR is already unlocked lock NSCR until the next
//   reset (further key writes are ignored). Software sets LOCK again by writing it; writes to NSCR
//   while it is locked are ignored.
// - Programming (PG, optionally BWR for a burst): word stores into the array are collected in a
//   write buffer (WDW set while words are pending); the quad-word (16 bytes) or burst (8
//   quad-words, 128 bytes) is programmed once its last word is in, then BSY is set for the program
//   time. A target that is not erased (all 16 bytes 0xFF) is refused with PROGERR, unless the data
//   is all zeros; nothing changes then.
// - Erase (PER + PNB + BKER, or MER1 / MER2, then STRT): BSY for the erase time, then the page or
//   the bank reads 0xFF.
// - At the successful end of an operation EOP is set when EOPIE is set; errors set their flag in
//   NSSR whatever the interrupt enables. The interrupt line itself is not modelled: the firmware
//   polls.
// - Flags in NSSR are cleared by writing 1.
//
// Chip behaviour that the model replaces with something simpler or stricter:
// - A store into the array while an operation runs stalls the bus on the chip until BSY clears;
//   the model does the same by moving virtual time to the end of the operation before taking the
//   store. If the operation never ends (injected fault) the store can never complete, which is
//   reported as a bus fault instead of hanging the host.
// - Reads of the array while an operation runs return the current contents at once (the chip
//   stalls them); a page being erased keeps its old contents until the erase ends.
// - A new erase request (STRT with a different request) while an operation runs is refused with
//   PGSERR; the running operation continues. A mass-erase bit set while a mass erase runs adds its
//   bank to the running erase (so MER1+STRT followed by MER2+STRT erases both banks), which costs
//   one more bank-erase time.
// - After a programming error (PGAERR, SIZERR, PGSERR, PROGERR, WRPERR) the pending words are
//   dropped and further stores are ignored until software clears the flag, so a broken sequence
//   cannot leave WDW set for ever.
// - A reset during an erase or a program (a power cut, for the flash) abandons it. A cut erase
//   leaves the page's contents as they were; a cut program leaves each quad-word of its target
//   with every other byte programmed, a mix of old and new bits. Either leaves the ECC of the
//   quad-words it touched broken (see below) unless set_cut_breaks_ecc(false).
// - ECC: every quad-word carries ECC bits written with it. A quad-word whose ECC does not match
//   reads as a double error: a read that reaches it (not one served by the instruction cache)
//   sets ECCR.ECCD with the bank in BK_ECC and the quad-word's byte offset within its bank in
//   ADDR_ECC (the first error is kept until ECCD is cleared), and raises the NMI. The data that
//   comes back is the stored bytes, which software must not use. Erasing the page mends it.
//   Single-bit errors (ECCC) are not modelled.
// - Option bytes are not programmed (OPTSTRT does nothing); the option registers show the values
//   given in FlashOptionBytes. Write protection comes from protect_pages(), not from WRPxyR.
// - TrustZone is off: SECKEYR unlocks SECCR like NSKEYR does NSCR, but SECCR starts nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

// What a flash array holds across a power cycle: its bytes and which quad-words carry ECC bits
// that match neither the old nor the new data (by array offset). A board restored from it reads
// exactly what the board it was taken from had left, a double ECC error included.
struct FlashContents {
  std::vector<std::uint8_t> bytes;
  std::set<std::uint32_t> broken_ecc;
  bool operator==(const FlashContents&) const = default;
};

// 2 MB in two banks of 128 pages of 8 KB; erased bytes read 0xFF.
class FlashArray : public BusTarget {
 public:
  static constexpr std::uint32_t kBase = 0x08000000;
  static constexpr std::uint32_t kSize = 2 * 1024 * 1024;
  static constexpr std::uint32_t kBankSize = kSize / 2;
  static constexpr std::uint32_t kPageSize = 8 * 1024;
  static constexpr std::uint32_t kPagesPerBank = kBankSize / kPageSize;

  FlashArray() : bytes_(kSize, 0xFF) {}

  std::uint32_t read(std::uint32_t offset, unsigned size) override;
  // Stores from the bus are handed to the controller, which decides whether they program.
  void write(std::uint32_t offset, std::uint32_t value, unsigned size) override;

  // The storage stays where it is for the array's life, as the emulator's CPU reads it in place:
  // change the contents, never the size.
  std::vector<std::uint8_t>& bytes() { return bytes_; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  void set_store_handler(std::function<void(std::uint32_t, std::uint32_t, unsigned)> handler) {
    store_handler_ = std::move(handler);
  }

  // Little-endian word at a device address, for tests and tools.
  std::uint32_t word(std::uint32_t address) const;

  // ECC state per quad-word, by array offset. break_ecc() is also the fault injection of tests.
  bool ecc_intact(std::uint32_t offset, unsigned size) const;
  void break_ecc(std::uint32_t offset) { ecc_broken_.insert(offset & ~0xFu); }
  void mend_ecc(std::uint32_t offset, std::uint32_t size);
  const std::set<std::uint32_t>& broken_quad_words() const { return ecc_broken_; }

  FlashContents contents() const { return FlashContents{bytes_, ecc_broken_}; }
  // Throws std::invalid_argument for contents that are not those of a whole array.
  void restore(FlashContents contents);

 private:
  std::vector<std::uint8_t> bytes_;
  std::set<std::uint32_t> ecc_broken_;
  std::function<void(std::uint32_t, std::uint32_t, unsigned)> store_handler_;
};

// How long each operation keeps BSY set. These are not checked against the datasheet (no timing
// table was available to us): they are of the order this MCU family documents, and every timing
// of the model's flash comes from here.
struct FlashTiming {
  Time quad_word_program = 118 * kMicrosecond;
  Time burst_program = 1 * kMillisecond;  // 8 quad-words
  Time page_erase = 1500 * kMicrosecond;  // 8 KB
  Time bank_erase = 200 * kMillisecond;   // 1 MB, per bank
};

// What the option registers show after reset (loaded from the option bytes on the chip). OPTR
// describes an unprotected part at read-out level 0, dual bank, banks in their natural order, no
// TrustZone: a plausible value, not one read from a part. The other option registers are not
// decoded by the model (write protection comes from protect_pages()); they show what is given.
struct FlashOptionBytes {
  std::uint32_t optr = 0x1FEFF0AA;
  std::uint32_t nsbootadd0r = 0, nsbootadd1r = 0, secbootadd0r = 0;
  std::uint32_t secwm1r1 = 0, secwm1r2 = 0, wrp1ar = 0, wrp1br = 0;
  std::uint32_t secwm2r1 = 0, secwm2r2 = 0, wrp2ar = 0, wrp2br = 0;
};

// An erase or a program as the controller runs it: what, where (device address), and from when
// until when BSY is set.
struct FlashOperation {
  enum class Kind { Program, Burst, PageErase, MassErase };
  Kind kind = Kind::Program;
  std::uint32_t address = 0;
  std::uint32_t size = 0;
  Time started = 0;
  Time ends = 0;
};

// How an injected fault shows itself.
enum class FaultReport {
  Flag,    // the controller raises the error flag of the operation (OPERR for an erase, PROGERR
           // for a program)
  Silent,  // the operation ends as if it had succeeded
};

class FlashController : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x40022000;

  // NSSR bits.
  static constexpr std::uint32_t kEop = 1u << 0, kOperr = 1u << 1, kProgerr = 1u << 3, kWrperr = 1u << 4,
                                 kPgaerr = 1u << 5, kSizerr = 1u << 6, kPgserr = 1u << 7, kOptwerr = 1u << 13,
                                 kBsy = 1u << 16, kWdw = 1u << 17;
  static constexpr std::uint32_t kErrors = kOperr | kProgerr | kWrperr | kPgaerr | kSizerr | kPgserr | kOptwerr;
  // NSCR bits.
  static constexpr std::uint32_t kPg = 1u << 0, kPer = 1u << 1, kMer1 = 1u << 2, kPnbMask = 0x7Fu << 3,
                                 kBker = 1u << 11, kBwr = 1u << 14, kMer2 = 1u << 15, kStrt = 1u << 16,
                                 kOptstrt = 1u << 17, kEopie = 1u << 24, kErrie = 1u << 25,
                                 kOblLaunch = 1u << 27, kOptlock = 1u << 30, kLock = 1u << 31;
  static constexpr std::uint32_t kKey1 = 0x45670123, kKey2 = 0xCDEF89AB;
  static constexpr std::uint32_t kOptKey1 = 0x08192A3B, kOptKey2 = 0x4C5D6E7F;
  static constexpr std::uint32_t kPdKey1[2] = {0x04152637, 0xFAFBFCFD};
  static constexpr std::uint32_t kPdKey2[2] = {0x40516273, 0xAFBFCFDF};

  FlashController(Scheduler& scheduler, FlashArray& array, FlashTiming timing = {}, FlashOptionBytes options = {});

  void reset() override;

  const FlashTiming& timing() const { return timing_; }
  void set_timing(const FlashTiming& timing) { timing_ = timing; }

  // Called after every completed program or erase with the device address and size of the range
  // that may have changed (also when an injected fault left it unchanged).
  void on_flash_changed(std::function<void(std::uint32_t address, std::uint32_t size)> listener) {
    change_listeners_.push_back(std::move(listener));
  }

  // Called when a program or an erase starts (BSY set), before it can be cut or completed.
  void on_operation_started(std::function<void(const FlashOperation&)> listener) {
    start_listeners_.push_back(std::move(listener));
  }
  // The operation BSY stands for now, if any.
  std::optional<FlashOperation> running_operation() const;

  // Called after a read reached a quad-word whose ECC does not match (the NMI of the chip).
  void on_ecc_error(std::function<void()> listener) { ecc_listener_ = std::move(listener); }
  // A read of `size` bytes at array `offset` reached the flash cells: reports a double ECC error
  // if a quad-word it touches has one, and then returns false.
  bool check_read(std::uint32_t offset, unsigned size);
  // Whether a cut erase or program breaks the ECC of its target (the default, as on the chip).
  void set_cut_breaks_ecc(bool breaks) { cut_breaks_ecc_ = breaks; }

  bool busy() const { return reg("NSSR") & kBsy; }
  bool locked_until_reset() const { return ns_key_.state == KeyState::Blocked; }

  // Write protection (WRPERR): pages of `bank` (1 or 2) from `first` to `last` refuse program and
  // erase. None are protected by default.
  void protect_pages(unsigned bank, unsigned first, unsigned last);

  // Fault injection. Faults stay in place, across resets, until clear_faults() (which also
  // removes the write protection).
  // The page holding `address` does not erase (it keeps its contents).
  void fail_erase(std::uint32_t address, FaultReport report = FaultReport::Flag);
  // The quad-word holding `address` is not programmed.
  void fail_program(std::uint32_t address, FaultReport report = FaultReport::Flag);
  // The byte at `address` reads back XORed with `xor_mask` after it is programmed; no flag.
  void corrupt_program(std::uint32_t address, std::uint8_t xor_mask = 0x01);
  // BSY set at once and kept set: a running operation never ends, and none ends while held.
  // Releasing lets a running operation end at its due time (or at once if that has passed).
  void hold_busy(bool held);
  void clear_faults();

 private:
  enum class KeyState { WaitKey1, WaitKey2, Blocked };
  struct KeyLock {
    std::uint32_t key1;
    std::uint32_t key2;
    KeyState state = KeyState::WaitKey1;
  };
  // True when the sequence has just completed.
  static bool key_write(KeyLock& lock, std::uint32_t value);

  enum class OpKind { None, Program, Burst, PageErase, MassErase };
  struct Operation {
    OpKind kind = OpKind::None;
    std::uint32_t offset = 0;  // offset into the array of the first byte affected
    std::uint32_t size = 0;
    unsigned banks = 0;        // mass erase: bit 0 bank 1, bit 1 bank 2 (physical)
    std::vector<std::uint8_t> data;
    Time started = 0;
    Time ends = 0;
  };
  static std::optional<FlashOperation> describe(const Operation& op);

  void nscr_written(std::uint32_t old_value, std::uint32_t written);
  void start_erase(std::uint32_t nscr);
  void store(std::uint32_t offset, std::uint32_t value, unsigned size);
  void program_buffer();
  void begin(Operation op, Time duration);
  void finish();
  void schedule_finish();
  void raise(std::uint32_t flags);
  void drop_pending();
  void update_status();
  void cut(const Operation& op);

  std::uint32_t bank_offset(unsigned logical_bank) const;
  unsigned physical_bank(std::uint32_t offset) const { return offset / FlashArray::kBankSize; }
  bool protected_offset(std::uint32_t offset) const;

  Register& nscr() { return *nscr_; }
  Register& nssr() { return *nssr_; }

  Scheduler& scheduler_;
  FlashArray& array_;
  FlashTiming timing_;
  FlashOptionBytes options_;
  Register* nscr_ = nullptr;
  Register* nssr_ = nullptr;

  KeyLock ns_key_{kKey1, kKey2};
  KeyLock sec_key_{kKey1, kKey2};
  KeyLock opt_key_{kOptKey1, kOptKey2};
  KeyLock pd_key_[2] = {{kPdKey1[0], kPdKey1[1]}, {kPdKey2[0], kPdKey2[1]}};
  bool pd_unlocked_[2] = {false, false};

  // Write buffer of the programming sequence.
  std::optional<std::uint32_t> unit_base_;  // offset of the quad-word or burst being collected
  std::uint32_t unit_size_ = 0;
  std::vector<std::uint8_t> unit_data_;
  std::uint64_t unit_filled_ = 0;  // one bit per word

  Operation running_;
  Scheduler::EventId finish_event_ = 0;

  // Faults and protection, by page (bank * 128 + page, physical) and quad-word offset.
  std::map<unsigned, FaultReport> erase_faults_;
  std::map<std::uint32_t, FaultReport> program_faults_;
  std::map<std::uint32_t, std::uint8_t> corruptions_;
  std::set<unsigned> protected_pages_;
  bool busy_held_ = false;

  std::vector<std::function<void(std::uint32_t, std::uint32_t)>> change_listeners_;
  std::vector<std::function<void(const FlashOperation&)>> start_listeners_;
  std::function<void()> ecc_listener_;
  bool cut_breaks_ecc_ = true;
};

}  // namespace ovrimo::model
