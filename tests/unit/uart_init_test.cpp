// Serial port set-up as a user of the driver sees it: registers, handle, pins and clocks after
// the board set-up, the baud-rate divisors, the FIFO operations, the flag wait and the tear-down.
#include <gtest/gtest.h>

#include <vector>

#include "firmware_fixture.h"
#include "peers/scripted_peer.h"

namespace ovrimo::test {
namespace {

constexpr std::uint32_t kApb1Enr1 = kRcc + 0x09C, kApb3Enr = kRcc + 0x0A8, kCcipr1 = kRcc + 0x0E0;
constexpr std::uint32_t kGpiod = 0x42020C00;
constexpr std::uint32_t kCr1 = kUsart2 + 0x00, kCr2 = kUsart2 + 0x04, kCr3 = kUsart2 + 0x08, kBrr = kUsart2 + 0x0C,
                        kIsr = kUsart2 + 0x1C, kPresc = kUsart2 + 0x2C;

class UartInit : public FirmwareTest {
 protected:
  void SetUp() override { ASSERT_EQ(HAL_Init(), HAL_OK); }

  // A handle on USART2 with the board's line settings and another rate.
  static UART_HandleTypeDef port(std::uint32_t baud) {
    UART_HandleTypeDef h = huart2;
    h.Init.BaudRate = baud;
    return h;
  }
};

TEST_F(UartInit, BoardSetUpLeavesAnIdle115200Baud8N1PortWithItsPinsAndClocks) {
  auto& writes = record_writes();
  const auto run = binding.run([] { MX_USART2_UART_Init(); });
  ASSERT_EQ(run.reason, StopReason::Returned) << run.detail;

  EXPECT_EQ(read32(kCr1), 0x0000000Du);
  EXPECT_EQ(read32(kCr2), 0u);
  EXPECT_EQ(read32(kCr3), 0u);
  EXPECT_EQ(read32(kBrr), 0x23u);
  EXPECT_EQ(read32(kPresc), 0u);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.RxState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.Lock, HAL_UNLOCKED);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);
  EXPECT_EQ(huart2.ReceptionType, HAL_UART_RECEPTION_STANDARD);
  EXPECT_EQ(huart2.FifoMode, UART_FIFOMODE_DISABLE);
  EXPECT_EQ(huart2.NbTxDataToProcess, 1u);
  EXPECT_EQ(huart2.NbRxDataToProcess, 1u);
  EXPECT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_READY);

  // Kernel clock PCLK1, bus clock on, PD5/PD6 on alternate function 7.
  EXPECT_EQ(read32(kCcipr1) & 0xCu, 0u);
  EXPECT_NE(read32(kApb1Enr1) & (1u << 17), 0u);
  EXPECT_EQ((read32(kGpiod + 0x00) >> 10) & 0xFu, 0xAu);  // MODER5, MODER6 = alternate
  EXPECT_EQ((read32(kGpiod + 0x20) >> 20) & 0xFFu, 0x77u);  // AFRL5, AFRL6
  EXPECT_EQ(board.usart2().frame_time(), 87'500 * model::kNanosecond);
  EXPECT_EQ(read32(kIsr) & (USART_ISR_TEACK | USART_ISR_REACK), USART_ISR_TEACK | USART_ISR_REACK);
  // The whole set-up waits only for the acknowledges: well under a millisecond.
  EXPECT_LT(board.now(), kMillisecond);

  // A handle that is already initialised is not passed to the board hook again.
  bool touched_gpio_or_rcc = false;
  for (const auto& [a, v] : writes) touched_gpio_or_rcc |= (a >> 10) == (kGpiod >> 10);
  EXPECT_TRUE(touched_gpio_or_rcc);
  writes.clear();
  ASSERT_EQ(HAL_UART_Init(&huart2), HAL_OK);
  for (const auto& [a, v] : writes) {
    EXPECT_NE(a >> 10, kGpiod >> 10);
    EXPECT_NE(a, kCcipr1);
  }
}

TEST_F(UartInit, DivisorRoundsToTheNearestAndRefusesRatesOutOfRange) {
  MX_USART2_UART_Init();
  struct Case {
    std::uint32_t baud;
    std::uint32_t oversampling;
    std::uint32_t prescaler;
    std::uint32_t brr;  // 0: refused
  };
  const Case cases[] = {
      {115200, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 35},
      {9600, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 417},
      {57600, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 69},
      {250000, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 16},  // the smallest divisor
      {300000, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 0},   // 13
      {115200, UART_OVERSAMPLING_8, UART_PRESCALER_DIV1, 0x42},  // USARTDIV 69
      {9600, UART_OVERSAMPLING_16, UART_PRESCALER_DIV4, 104},
      {50, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 0},  // 80000 does not fit 16 bits
      {0, UART_OVERSAMPLING_16, UART_PRESCALER_DIV1, 0},   // no rate at all
      {9600, UART_OVERSAMPLING_16, 12, 0},                 // no such prescaler
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.baud << " baud, oversampling " << c.oversampling << ", prescaler "
                                    << c.prescaler);
    UART_HandleTypeDef h = port(c.baud);
    h.Init.OverSampling = c.oversampling;
    h.Init.ClockPrescaler = c.prescaler;
    board.bus().write(kBrr, 0x1234, 4);
    const HAL_StatusTypeDef status = HAL_UART_Init(&h);
    if (c.brr != 0) {
      EXPECT_EQ(status, HAL_OK);
      EXPECT_EQ(read32(kBrr), c.brr);
      EXPECT_EQ(h.gState, HAL_UART_STATE_READY);
    } else {
      // Refused: BRR untouched, the port left disabled and the handle busy.
      EXPECT_EQ(status, HAL_ERROR);
      EXPECT_EQ(read32(kBrr), 0x1234u);
      EXPECT_EQ(read32(kCr1) & USART_CR1_UE, 0u);
      EXPECT_EQ(h.gState, HAL_UART_STATE_BUSY);
    }
  }
  // The rate the board gets from divisor 35 is what the line runs at.
  UART_HandleTypeDef h = port(115200);
  ASSERT_EQ(HAL_UART_Init(&h), HAL_OK);
  EXPECT_NEAR(board.usart2().bit_clock().baud(), 114285.7, 0.1);
}

TEST_F(UartInit, LowPowerPortUsesTheFineDivisorAndItsOwnLimits) {
  board.bus().write(kApb3Enr, 1u << 6, 4);  // LPUART1 bus clock; kernel clock PCLK3 (4 MHz)
  constexpr std::uint32_t kLp = 0x46002400;
  struct Case {
    std::uint32_t baud;
    std::uint32_t brr;  // 0: refused
  };
  const Case cases[] = {
      {9600, 106667}, {115200, 8889}, {1000, 1024000},
      {900, 0},       // kernel clock above 4096 x the rate
      {1500000, 0},   // kernel clock below 3 x the rate
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baud);
    UART_HandleTypeDef h{};
    h.Instance = LPUART1;
    h.Init.BaudRate = c.baud;
    h.Init.Mode = UART_MODE_TX_RX;
    h.Init.OneBitSampling = UART_ONE_BIT_SAMPLE_ENABLE;  // LPUART1 has none
    board.bus().write(kLp + 0x0C, 0x300, 4);
    auto& writes = record_writes();
    EXPECT_EQ(HAL_UART_Init(&h), c.brr != 0 ? HAL_OK : HAL_ERROR);
    EXPECT_EQ(read32(kLp + 0x0C), c.brr != 0 ? c.brr : 0x300u);
    for (const auto& [a, v] : writes) {
      if (a == kLp + 0x08) {
        EXPECT_EQ(v & USART_CR3_ONEBIT, 0u);
      }
    }
    if (c.brr != 0) {
      EXPECT_NEAR(board.lpuart1().bit_clock().baud(), c.baud, c.baud * 1e-4);
    }
  }
}

TEST_F(UartInit, FifoOperationsKeepTheEnableTakeTheLockAndSizeTheBatches) {
  MX_USART2_UART_Init();
  // A held lock refuses at once and changes nothing.
  huart2.Lock = HAL_LOCKED;
  EXPECT_EQ(HAL_UARTEx_SetTxFifoThreshold(&huart2, UART_TXFIFO_THRESHOLD_1_2), HAL_BUSY);
  EXPECT_EQ(HAL_UARTEx_SetRxFifoThreshold(&huart2, UART_RXFIFO_THRESHOLD_1_2), HAL_BUSY);
  EXPECT_EQ(HAL_UARTEx_DisableFifoMode(&huart2), HAL_BUSY);
  EXPECT_EQ(read32(kCr3), 0u);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_READY);
  huart2.Lock = HAL_UNLOCKED;

  // Thresholds read back; UE returns to its earlier value, the batch sizes follow the codes.
  struct Case {
    std::uint32_t tx, rx;
    std::uint16_t nb_tx, nb_rx;
  };
  const Case cases[] = {
      {UART_TXFIFO_THRESHOLD_1_4, UART_RXFIFO_THRESHOLD_1_2, 2, 4},
      {UART_TXFIFO_THRESHOLD_3_4, UART_RXFIFO_THRESHOLD_7_8, 6, 7},
      {UART_TXFIFO_THRESHOLD_8_8, UART_RXFIFO_THRESHOLD_1_8, 8, 1},
      {6u << USART_CR3_TXFTCFG_Pos, 7u << USART_CR3_RXFTCFG_Pos, 0, 0},
  };
  huart2.FifoMode = UART_FIFOMODE_ENABLE;
  for (const Case& c : cases) {
    ASSERT_EQ(HAL_UARTEx_SetTxFifoThreshold(&huart2, c.tx), HAL_OK);
    ASSERT_EQ(HAL_UARTEx_SetRxFifoThreshold(&huart2, c.rx), HAL_OK);
    EXPECT_EQ(read32(kCr3), c.tx | c.rx);
    EXPECT_EQ(huart2.NbTxDataToProcess, c.nb_tx);
    EXPECT_EQ(huart2.NbRxDataToProcess, c.nb_rx);
    EXPECT_EQ(read32(kCr1), 0x0000000Du);
  }
  board.bus().write(kCr1, 0x0000000Du | USART_CR1_FIFOEN, 4);
  ASSERT_EQ(HAL_UARTEx_DisableFifoMode(&huart2), HAL_OK);
  EXPECT_EQ(read32(kCr1), 0x0000000Du);
  EXPECT_EQ(huart2.FifoMode, UART_FIFOMODE_DISABLE);
  // With the FIFO off the batch is one item whatever the thresholds say.
  ASSERT_EQ(HAL_UARTEx_SetTxFifoThreshold(&huart2, UART_TXFIFO_THRESHOLD_8_8), HAL_OK);
  EXPECT_EQ(huart2.NbTxDataToProcess, 1u);
  EXPECT_EQ(huart2.NbRxDataToProcess, 1u);
  // The port disabled for a moment re-acknowledges by itself; nobody waits for it.
  board.time().advance(kMillisecond);
  EXPECT_EQ(read32(kIsr) & (USART_ISR_TEACK | USART_ISR_REACK), USART_ISR_TEACK | USART_ISR_REACK);
}

TEST_F(UartInit, FlagWaitChecksTheFlagFirstThenTheDeadlineThenOverrun) {
  MX_USART2_UART_Init();
  // Timeout 0 fails on the first pass unless the flag is already as awaited.
  EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_RXNE, RESET, HAL_GetTick(), 0), HAL_TIMEOUT);
  EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_TXE, RESET, HAL_GetTick(), 0), HAL_OK);
  // An elapsed time equal to the limit is not yet a timeout: the wait ends once it exceeds it.
  const std::uint32_t start = HAL_GetTick();
  EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_RXNE, RESET, start, 3), HAL_TIMEOUT);
  EXPECT_EQ(HAL_GetTick() - start, 4u);
  // A tick that wrapped since the start counts as elapsed time, not as a huge one.
  uwTick = 0xFFFFFFFEu;
  const std::uint32_t near_wrap = HAL_GetTick();
  EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_RXNE, RESET, near_wrap, 5), HAL_TIMEOUT);
  EXPECT_EQ(HAL_GetTick() - near_wrap, 6u);

  // Overrun pending on a receive-side wait: reported and cleared, the receiver made ready.
  peers::ScriptedPeer peer;
  board.usart2().attach(peer);
  peer.send("ab");
  board.time().advance(kMillisecond);
  (void)read32(kUsart2 + 0x24);  // 'a' taken, ORE from 'b' still pending
  ASSERT_NE(read32(kIsr) & USART_ISR_ORE, 0u);
  huart2.RxState = HAL_UART_STATE_BUSY_RX;
  huart2.Lock = HAL_LOCKED;
  EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_RXNE, RESET, HAL_GetTick(), 100), HAL_ERROR);
  EXPECT_EQ(read32(kIsr) & USART_ISR_ORE, 0u);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_ORE);
  EXPECT_EQ(huart2.RxState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.Lock, HAL_UNLOCKED);
  // Transmit-side waits and waits without a limit never look at ORE.
  peer.send("cd");
  board.time().advance(kMillisecond);
  (void)read32(kUsart2 + 0x24);
  ASSERT_NE(read32(kIsr) & USART_ISR_ORE, 0u);
  huart2.ErrorCode = HAL_UART_ERROR_NONE;
  board.bus().write(kUsart2 + 0x28, 'x', 4);  // TC clear for one frame
  EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_TC, RESET, HAL_GetTick(), 100), HAL_OK);
  peer.send_at(board.now() + 5 * kMillisecond, "e");
  binding.set_time_limit(board.now() + 20 * kMillisecond);
  const auto run = binding.run([] {
    EXPECT_EQ(UART_WaitOnFlagUntilTimeout(&huart2, UART_FLAG_RXNE, RESET, HAL_GetTick(), HAL_MAX_DELAY), HAL_ERROR);
  });
  EXPECT_EQ(run.reason, StopReason::TimeLimit);  // the blocked receiver never sets RXNE
  EXPECT_NE(read32(kIsr) & USART_ISR_ORE, 0u);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);
}

TEST_F(UartInit, DeInitReturnsPortPinsAndBusClockToResetButKeepsTheDivisor) {
  MX_USART2_UART_Init();
  EXPECT_EQ(HAL_UART_DeInit(nullptr), HAL_ERROR);
  EXPECT_EQ(HAL_UART_Init(nullptr), HAL_ERROR);
  ASSERT_EQ(HAL_UART_DeInit(&huart2), HAL_OK);
  EXPECT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_RESET);
  EXPECT_EQ(huart2.Lock, HAL_UNLOCKED);
  EXPECT_EQ(read32(kApb1Enr1) & (1u << 17), 0u);
  EXPECT_EQ((read32(kGpiod + 0x00) >> 10) & 0xFu, 0xFu);  // PD5, PD6 analog again
  EXPECT_EQ(board.usart2().reg("CR1"), 0u);
  EXPECT_EQ(board.usart2().reg("CR2"), 0u);
  EXPECT_EQ(board.usart2().reg("CR3"), 0u);
  EXPECT_EQ(board.usart2().reg("BRR"), 0x23u);
  // A fresh set-up goes through the board hook again and works.
  MX_USART2_UART_Init();
  EXPECT_EQ(read32(kCr1), 0x0000000Du);
  EXPECT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_READY);
}

TEST_F(UartInit, SetUpFailureStopsInTheErrorHandler) {
  // APB1 divided by 16: a 250 kHz kernel clock gives divisor 2 for 115200 baud, which is refused.
  board.bus().write(kRcc + 0x020, read32(kRcc + 0x020) | (7u << 4), 4);
  const auto run = binding.run([] { MX_USART2_UART_Init(); });
  EXPECT_EQ(run.reason, StopReason::MaskedSpin);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_BUSY);
  EXPECT_EQ(board.usart2().reg("BRR"), 0u);
  EXPECT_EQ(board.usart2().reg("CR1") & USART_CR1_UE, 0u);
}

}  // namespace
}  // namespace ovrimo::test
