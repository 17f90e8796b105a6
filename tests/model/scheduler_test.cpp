// The event queue under everything the board does: the order events run in decides every
// time figure, so it is checked against the rule it promises with a mix that exercises it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/time.h"

namespace ovrimo::model {
namespace {

TEST(Scheduler, RunsEventsByTimeThenSchedulingOrderAndHonoursCancelsMadeOnTheWay) {
  Scheduler s;
  std::string ran;
  auto mark = [&](char c) { return [&ran, c] { ran += c; }; };
  // Far events first, as the flash and the sender leave them, then nearer ones between them.
  s.at(900, mark('z'));
  s.at(500, mark('m'));
  const Scheduler::EventId gone = s.at(500, mark('x'));
  s.at(500, mark('n'));
  const Scheduler::EventId first = s.at(100, mark('a'));
  s.at(100, [&] {
    ran += 'b';
    // Scheduled while running: due now, it still runs after everything already due now.
    s.at(100, mark('c'));
    s.cancel(gone);
  });
  s.at(100, mark('d'));
  const Scheduler::EventId later = s.at(700, mark('y'));
  EXPECT_TRUE(s.pending(gone));
  EXPECT_EQ(s.next_event_time(), 100u);

  s.advance_to(499);
  EXPECT_EQ(ran, "abdc");
  EXPECT_EQ(s.now(), 499u);
  EXPECT_FALSE(s.pending(gone));
  EXPECT_EQ(s.next_event_time(), 500u);
  s.cancel(gone);  // twice, and an id that already ran: harmless
  s.cancel(first);

  s.advance_to(500);
  EXPECT_EQ(ran, "abdcmn");
  s.cancel(later);
  s.at(0, mark('p'));  // in the past: runs at once, at the present
  s.advance_to(2000);
  EXPECT_EQ(ran, "abdcmnpz");
  EXPECT_EQ(s.events_run(), 8u);
  EXPECT_FALSE(s.next_event_time().has_value());
  EXPECT_EQ(s.now(), 2000u);
}

}  // namespace
}  // namespace ovrimo::model
