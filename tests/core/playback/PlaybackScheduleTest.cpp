// The due times of recorded events, the request-and-skip protocol, and the packing of key
// and mouse messages into records.
#include <gtest/gtest.h>

#include "core/playback/InputHold.h"
#include "core/playback/JournalRecord.h"
#include "core/playback/PlaybackSchedule.h"

namespace {

std::string Recording(std::initializer_list<std::uint32_t> times) {
  std::string data;
  std::uint32_t n = 0;
  for (std::uint32_t t : times) vx::AppendRecordedEvent(data, {0x100, ++n, 0, t, 0x1234});
  return data;
}

// Plays the whole schedule, answering every request at once; returns the due ticks.
std::vector<std::uint32_t> DueTimes(vx::PlaybackSchedule& schedule) {
  std::vector<std::uint32_t> due;
  for (;;) {
    const auto request = schedule.GetNext(0);
    if (request.finished) break;
    due.push_back(request.event.time);
    schedule.Skip();
  }
  return due;
}

TEST(PlaybackScheduleTest, SpeedIndexesShiftEveryEventByItsNumber) {
  vx::PlaybackSchedule schedule;
  const std::string data = Recording({0, 50, 120});
  using Ticks = std::vector<std::uint32_t>;
  schedule.Start(data, 2, 1000);
  EXPECT_EQ(DueTimes(schedule), (Ticks{1000, 1050, 1120}));
  schedule.Start(data, 0, 1000);
  EXPECT_EQ(DueTimes(schedule), (Ticks{1200, 1450, 1720}));
  schedule.Start(data, 4, 1000);
  EXPECT_EQ(DueTimes(schedule), (Ticks{990, 1030, 1090}));
  // 7 keeps the delay of the last playback.
  schedule.Start(data, 7, 1000);
  EXPECT_EQ(DueTimes(schedule), (Ticks{990, 1030, 1090}));
  vx::PlaybackSchedule fresh;
  fresh.Start(data, 7, 1000);
  EXPECT_EQ(DueTimes(fresh), (Ticks{1000, 1050, 1120}));  // no delay before the first one
  EXPECT_EQ(vx::DelayForSpeed(1, 9), 100);
  EXPECT_EQ(vx::DelayForSpeed(3, 9), -5);
  // The last entry of the table, and the first index past it.
  EXPECT_EQ(vx::DelayForSpeed(4, 9), -10);
  EXPECT_EQ(vx::DelayForSpeed(5, 9), 9);
}

TEST(PlaybackScheduleTest, DueTicksWrapAround) {
  vx::PlaybackSchedule schedule;
  schedule.Start(Recording({0, 20}), 4, 5);
  EXPECT_EQ(DueTimes(schedule), (std::vector<std::uint32_t>{0xFFFFFFFBu, 5}));
}

TEST(PlaybackScheduleTest, RepeatedRequestsAnswerTheSameEventWithAShrinkingWait) {
  vx::PlaybackSchedule schedule;
  schedule.Start(Recording({100, 300}), 2, 1000);
  auto first = schedule.GetNext(1000);
  EXPECT_EQ(first.event.paramL, 1u);
  EXPECT_EQ(first.event.hwnd, 0x1234u);
  EXPECT_EQ(first.wait, 100u);
  auto again = schedule.GetNext(1060);
  EXPECT_EQ(again.event, first.event);
  EXPECT_EQ(again.wait, 40u);
  EXPECT_EQ(schedule.GetNext(1200).wait, 0u);  // overdue plays at once
  schedule.Skip();
  auto second = schedule.GetNext(1200);
  EXPECT_EQ(second.event.paramL, 2u);
  EXPECT_EQ(second.wait, 100u);
  EXPECT_FALSE(second.finished);
  schedule.Skip();
  // The request after the last skip ends the playback, answering the last event again.
  auto after = schedule.GetNext(1400);
  EXPECT_TRUE(after.finished);
  EXPECT_EQ(after.event.paramL, 2u);
  EXPECT_TRUE(schedule.GetNext(1400).finished);
}

TEST(PlaybackScheduleTest, OnlyWholeEventsPlay) {
  vx::PlaybackSchedule schedule;
  schedule.Start(Recording({1, 2}) + "12345", 2, 0);  // 45 bytes
  EXPECT_EQ(DueTimes(schedule).size(), 2u);
  for (std::size_t size : {0, 1, 19}) {
    schedule.Start(std::string(size, '\x7f'), 2, 0);
    EXPECT_TRUE(schedule.GetNext(0).finished) << size;
  }
}

TEST(PlaybackScheduleTest, RecordsAreLittleEndianAndKeepZeroBytes) {
  std::string data;
  vx::AppendRecordedEvent(data, {0x0201, 0x00000000, 0xFFFF0001, 0x01020304, 0});
  ASSERT_EQ(data.size(), 20u);
  EXPECT_EQ(data.substr(0, 4), std::string("\x01\x02\0\0", 4));
  EXPECT_EQ(data.substr(12, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(vx::ReadRecordedEvent(data, 0).paramH, 0xFFFF0001u);
}

TEST(JournalRecordTest, KeyRecordsCarryScanAndExtendedBit) {
  const auto plain = vx::MakeKeyRecord(vx::msg::KeyDown, 0x41, 0x1E, false, 5, 0);
  EXPECT_EQ(plain.paramL, 0x1E41u);
  EXPECT_EQ(plain.paramH, 1u);
  const auto left = vx::MakeKeyRecord(vx::msg::SysKeyUp, 0x25, 0x4B, true, 5, 0);
  EXPECT_EQ(left.paramL, 0x14B25u);
  EXPECT_EQ(left.paramH, 0x8001u);
  const auto key = vx::KeyInputOf(left);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->vk, 0x25);
  EXPECT_EQ(key->scan, 0x4B);
  EXPECT_TRUE(key->extended && key->up);
  EXPECT_FALSE(vx::KeyInputOf(vx::MakeKeyRecord(vx::msg::KeyDown, 1, 2, false, 0, 0))->up);
  EXPECT_FALSE(vx::KeyInputOf(vx::MakeMouseRecord(vx::msg::MouseMove, 1, 2, 0, 0)));
}

TEST(JournalRecordTest, MouseRecordsCarryPositionButtonsAndWheel) {
  const auto down = vx::MouseInputOf(vx::MakeMouseRecord(vx::msg::RButtonDown, 640, -3, 0, 0));
  ASSERT_TRUE(down);
  EXPECT_EQ(down->x, 640);
  EXPECT_EQ(down->y, -3);
  EXPECT_EQ(down->buttons, vx::mouseflag::RightDown);
  EXPECT_EQ(vx::MouseInputOf(vx::MakeMouseRecord(vx::msg::MButtonUp, 0, 0, 0, 0))->buttons,
            vx::mouseflag::MiddleUp);
  const auto wheel = vx::MouseInputOf(vx::MakeWheelRecord(10, -20, -120, 0, 0));
  ASSERT_TRUE(wheel);
  EXPECT_EQ(wheel->x, 10);
  EXPECT_EQ(wheel->y, -20);
  EXPECT_EQ(wheel->wheel, -120);
  EXPECT_EQ(wheel->buttons, vx::mouseflag::Wheel);
  EXPECT_FALSE(vx::MouseInputOf({0x0F, 0, 0, 0, 0}));  // neither key nor mouse: skipped
}

TEST(InputHoldTest, OnlyTheUsersPressesAreHeldAndCtrlEscCancels) {
  vx::PhysicalInputFilter filter;
  EXPECT_EQ(filter.Key(0x41, false, true), vx::HeldInput::Pass);
  EXPECT_EQ(filter.Key(0x41, false, false), vx::HeldInput::Hold);
  EXPECT_EQ(filter.Key(0x41, true, false), vx::HeldInput::Pass);
  EXPECT_EQ(filter.Key(27, false, false), vx::HeldInput::Hold);  // Esc alone
  EXPECT_EQ(filter.Key(162, false, false), vx::HeldInput::Hold);
  EXPECT_EQ(filter.Key(27, false, true), vx::HeldInput::Pass);  // the playback's own Esc
  EXPECT_EQ(filter.Key(27, false, false), vx::HeldInput::Cancel);
  EXPECT_EQ(filter.Key(162, true, false), vx::HeldInput::Pass);
  EXPECT_EQ(filter.Key(27, false, false), vx::HeldInput::Hold);
  EXPECT_EQ(filter.Mouse(false, false), vx::HeldInput::Hold);
  EXPECT_EQ(filter.Mouse(true, false), vx::HeldInput::Pass);
  EXPECT_EQ(filter.Mouse(false, true), vx::HeldInput::Pass);
}

}  // namespace
