// Checks on the linked bootloader image (bootloader.elf of the firmware build): the vector table,
// the section layout the reset handler and the applications rely on, and the flash budget.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifndef OVRIMO_FIRMWARE_DIR
#error "OVRIMO_FIRMWARE_DIR must name the firmware build directory"
#endif

namespace ovrimo::test {
namespace {

struct Section {
  std::string name;
  std::uint32_t type = 0;
  std::uint32_t flags = 0;
  std::uint32_t addr = 0;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
  std::uint32_t load_addr = 0;  // where its contents are stored (LMA)
};

struct Symbol {
  std::uint32_t value = 0;
  std::uint32_t size = 0;
  unsigned binding = 0;
  std::uint16_t section = 0;
};

class Elf {
 public:
  explicit Elf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    bytes_.assign(std::istreambuf_iterator<char>(in), {});
    if (bytes_.size() < sizeof(Elf32_Ehdr)) return;
    const auto& eh = at<Elf32_Ehdr>(0);
    if (std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 || eh.e_ident[EI_CLASS] != ELFCLASS32) return;
    machine_ = eh.e_machine;
    for (unsigned i = 0; i < eh.e_phnum; ++i) phdrs_.push_back(at<Elf32_Phdr>(eh.e_phoff + i * eh.e_phentsize));
    std::vector<Elf32_Shdr> shdrs;
    for (unsigned i = 0; i < eh.e_shnum; ++i) shdrs.push_back(at<Elf32_Shdr>(eh.e_shoff + i * eh.e_shentsize));
    const Elf32_Shdr& names = shdrs.at(eh.e_shstrndx);
    for (const Elf32_Shdr& sh : shdrs) {
      Section s{str(names.sh_offset + sh.sh_name), sh.sh_type, sh.sh_flags, sh.sh_addr, sh.sh_offset, sh.sh_size,
                sh.sh_addr};
      for (const Elf32_Phdr& ph : phdrs_) {
        if (ph.p_type == PT_LOAD && sh.sh_type != SHT_NOBITS && sh.sh_offset >= ph.p_offset &&
            sh.sh_offset + sh.sh_size <= ph.p_offset + ph.p_filesz && sh.sh_size > 0) {
          s.load_addr = ph.p_paddr + (sh.sh_offset - ph.p_offset);
        }
      }
      sections_.push_back(s);
    }
    for (const Elf32_Shdr& sh : shdrs) {
      if (sh.sh_type != SHT_SYMTAB) continue;
      const Elf32_Shdr& strtab = shdrs.at(sh.sh_link);
      for (std::uint32_t off = sh.sh_offset; off + sizeof(Elf32_Sym) <= sh.sh_offset + sh.sh_size; off += sizeof(Elf32_Sym)) {
        const auto& sym = at<Elf32_Sym>(off);
        const std::string name = str(strtab.sh_offset + sym.st_name);
        if (!name.empty()) symbols_[name] = Symbol{sym.st_value, sym.st_size, ELF32_ST_BIND(sym.st_info), sym.st_shndx};
      }
    }
    ok_ = true;
  }

  bool ok() const { return ok_; }
  std::uint16_t machine() const { return machine_; }
  const std::vector<Section>& sections() const { return sections_; }
  const std::vector<Elf32_Phdr>& segments() const { return phdrs_; }
  std::optional<Section> section(const std::string& name) const {
    for (const Section& s : sections_)
      if (s.name == name) return s;
    return std::nullopt;
  }
  std::optional<Symbol> symbol(const std::string& name) const {
    const auto it = symbols_.find(name);
    if (it == symbols_.end()) return std::nullopt;
    return it->second;
  }
  std::uint32_t word_in(const Section& s, std::uint32_t index) const { return at<std::uint32_t>(s.offset + 4 * index); }

 private:
  template <typename T>
  const T& at(std::size_t offset) const {
    if (offset + sizeof(T) > bytes_.size()) throw std::out_of_range("ELF truncated");
    return *reinterpret_cast<const T*>(bytes_.data() + offset);
  }
  std::string str(std::size_t offset) const {
    return offset < bytes_.size() ? std::string(reinterpret_cast<const char*>(bytes_.data() + offset)) : std::string();
  }

  std::vector<std::uint8_t> bytes_;
  bool ok_ = false;
  std::uint16_t machine_ = 0;
  std::vector<Elf32_Phdr> phdrs_;
  std::vector<Section> sections_;
  std::map<std::string, Symbol> symbols_;
};

class BootloaderImage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { elf_ = new Elf(std::string(OVRIMO_FIRMWARE_DIR) + "/bootloader.elf"); }
  static void TearDownTestSuite() {
    delete elf_;
    elf_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(elf_->ok()) << "no readable bootloader.elf in " << OVRIMO_FIRMWARE_DIR
                            << ": build the firmware preset first (cmake --preset firmware && cmake --build "
                               "--preset firmware), or point OVRIMO_FIRMWARE_DIR at its build directory";
  }

  const Elf& elf() const { return *elf_; }
  Section must_section(const std::string& name) const {
    const auto s = elf().section(name);
    if (!s) ADD_FAILURE() << "no section " << name;
    return s.value_or(Section{});
  }
  std::uint32_t must_symbol(const std::string& name) const {
    const auto s = elf().symbol(name);
    if (!s) ADD_FAILURE() << "no symbol " << name;
    return s ? s->value : 0;
  }

  static Elf* elf_;
};

Elf* BootloaderImage::elf_ = nullptr;

TEST_F(BootloaderImage, VectorTableHas142EntriesAtTheStartOfFlash) {
  EXPECT_EQ(elf().machine(), EM_ARM);
  const Section v = must_section(".isr_vector");
  EXPECT_EQ(v.addr, 0x08000000u);
  EXPECT_EQ(v.size, 142u * 4u);
  EXPECT_EQ(must_symbol("g_pfnVectors"), 0x08000000u);
  EXPECT_EQ(elf().symbol("g_pfnVectors")->size, 142u * 4u);

  EXPECT_EQ(elf().word_in(v, 0), 0x200C0000u);
  const std::uint32_t reset = must_symbol("Reset_Handler");
  EXPECT_EQ(elf().word_in(v, 1), reset | 1u);
  EXPECT_EQ(reset & 1u, 1u);  // a Thumb function
  for (std::uint32_t reserved : {8u, 9u, 10u, 13u}) EXPECT_EQ(elf().word_in(v, reserved), 0u) << reserved;
  for (std::uint32_t i = 2; i < 142; ++i) {
    if (i == 8 || i == 9 || i == 10 || i == 13) continue;
    const std::uint32_t entry = elf().word_in(v, i);
    EXPECT_EQ(entry & 1u, 1u) << "vector " << i;
    EXPECT_GE(entry, 0x08000000u) << "vector " << i;
    EXPECT_LT(entry, 0x08010000u) << "vector " << i;
  }
  // The tick has its handler; unused device interrupts end in the default handler, as weak aliases.
  EXPECT_EQ(elf().word_in(v, 15), must_symbol("SysTick_Handler") | 1u);
  EXPECT_NE(must_symbol("SysTick_Handler"), must_symbol("Default_Handler"));
  EXPECT_EQ(elf().word_in(v, 16 + 62), must_symbol("USART2_IRQHandler") | 1u);
  EXPECT_EQ(must_symbol("USART2_IRQHandler"), must_symbol("Default_Handler"));
  EXPECT_EQ(elf().symbol("USART2_IRQHandler")->binding, static_cast<unsigned>(STB_WEAK));
  EXPECT_EQ(elf().word_in(v, 141), must_symbol("LSECSSD_IRQHandler") | 1u);
  EXPECT_EQ(elf().word_in(v, 7), must_symbol("SecureFault_Handler") | 1u);
}

TEST_F(BootloaderImage, FlashSectionsComeInOrderAndEndBelowTheApplication) {
  // Sections that may be empty (and then absent) are skipped; the others must follow each other.
  std::uint32_t previous_end = 0x08000000u;
  std::string previous = "start of flash";
  for (const char* name : {".isr_vector", ".text", ".rodata", ".ARM", ".init_array", ".fini_array"}) {
    const auto s = elf().section(name);
    if (!s) {
      EXPECT_STREQ(name, ".ARM") << "missing " << name;
      continue;
    }
    EXPECT_GE(s->addr, previous_end) << name << " before the end of " << previous;
    EXPECT_LT(s->addr - previous_end, 8u) << name << " does not follow " << previous;
    previous_end = s->addr + s->size;
    previous = name;
  }
  const Section data = must_section(".data");
  EXPECT_EQ(data.load_addr, must_symbol("_sidata"));
  EXPECT_GE(data.load_addr, previous_end);
  EXPECT_LT(data.load_addr - previous_end, 8u);
  const std::uint32_t image_end = data.load_addr + data.size;
  EXPECT_LE(image_end, 0x08010000u);

  // No loadable byte anywhere in the application region.
  for (const Elf32_Phdr& ph : elf().segments()) {
    if (ph.p_type != PT_LOAD || ph.p_filesz == 0) continue;
    EXPECT_TRUE(ph.p_paddr + ph.p_filesz <= 0x08010000u || ph.p_paddr >= 0x20000000u)
        << std::hex << "segment at 0x" << ph.p_paddr;
  }
}

TEST_F(BootloaderImage, RamHoldsDataBssReserveThenNoinitWithBlRevAtItsFixedAddress) {
  const Section data = must_section(".data");
  const Section bss = must_section(".bss");
  const Section reserve = must_section("._user_heap_stack");
  const Section noinit = must_section(".noinit");
  EXPECT_EQ(data.addr, 0x20000000u);
  EXPECT_EQ(must_symbol("_sdata"), data.addr);
  EXPECT_EQ(must_symbol("_edata"), data.addr + data.size);
  EXPECT_EQ(must_symbol("_sbss"), bss.addr);
  EXPECT_EQ(must_symbol("_ebss"), bss.addr + bss.size);
  EXPECT_GE(bss.addr, data.addr + data.size);
  EXPECT_GE(reserve.addr, bss.addr + bss.size);
  EXPECT_EQ(must_symbol("_end"), reserve.addr);
  EXPECT_GE(reserve.size, 0xA00u);
  EXPECT_LE(reserve.addr + reserve.size, noinit.addr);
  EXPECT_EQ(must_symbol("_estack"), 0x200C0000u);

  // bl_rev: at the address applications read, in a section that start-up neither loads (no file
  // contents, outside .data) nor clears (outside .bss), and the last one in RAM.
  EXPECT_EQ(noinit.addr, 0x20000C98u);
  EXPECT_EQ(must_symbol("bl_rev"), 0x20000C98u);
  EXPECT_EQ(elf().symbol("bl_rev")->size, 3u);
  EXPECT_EQ(noinit.type, static_cast<std::uint32_t>(SHT_NOBITS));
  EXPECT_GE(noinit.addr, must_symbol("_ebss"));
  EXPECT_GE(noinit.addr, must_symbol("_edata"));
  for (const Section& s : elf().sections()) {
    if ((s.flags & SHF_ALLOC) && s.addr >= 0x20000000u && s.name != ".noinit") {
      EXPECT_LE(s.addr + s.size, noinit.addr) << s.name << " lies after .noinit";
    }
  }
  for (const Elf32_Phdr& ph : elf().segments()) {
    if (ph.p_type == PT_LOAD && ph.p_filesz > 0) {
      EXPECT_FALSE(0x20000C98u >= ph.p_vaddr && 0x20000C98u < ph.p_vaddr + ph.p_filesz) << "bl_rev has load contents";
    }
  }
}

}  // namespace
}  // namespace ovrimo::test
