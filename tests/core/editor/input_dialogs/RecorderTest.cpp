// The recorder: hook events made into journal records, the size stop, and the Record step's
// fields.
#include <gtest/gtest.h>

#include <vector>

#include "core/StepKinds.h"
#include "core/editor/dialogs/RecorderDialogFields.h"
#include "core/editor/dialogs/RecorderSession.h"
#include "core/playback/JournalRecord.h"

namespace {

using namespace vx::editor;

std::string Bytes(std::initializer_list<std::uint32_t> words) {
  std::string out;
  for (std::uint32_t w : words) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((w >> (8 * i)) & 0xFF);
  }
  return out;
}

KeyHookEvent Key(std::uint32_t message, std::uint32_t vk, std::uint32_t scan, std::uint32_t flags,
                 std::uint32_t time) {
  return {message, vk, scan, flags, time, 0x10020};
}

MouseHookEvent Mouse(std::uint32_t message, std::int32_t x, std::int32_t y, std::uint32_t time,
                     std::uint32_t data = 0) {
  return {message, x, y, data, time, 0x30040};
}

// The same over the recorder's own window.
MouseHookEvent OnRecorder(std::uint32_t message, std::uint32_t time) {
  MouseHookEvent event = Mouse(message, 500, 300, time);
  event.onRecorder = true;
  return event;
}

TEST(RecorderTest, EventsBecomeByteExactJournalRecords) {
  RecorderSession session;
  session.Start({true, true, true}, 1000);
  // A plain key, an extended key going up, an injected Alt key, a click, a wheel turn down
  // at a negative y, a move.
  EXPECT_EQ(session.OnKey(Key(0x100, 0x41, 0x1E, 0, 1010)), RecorderResult::Recorded);
  EXPECT_EQ(session.OnKey(Key(0x101, 0x2E, 0x53, llkhf::Extended | llkhf::Up, 1020)),
            RecorderResult::Recorded);
  session.OnKey(Key(0x104, 0x12, 0x38, llkhf::Injected, 1030));
  session.OnMouse(Mouse(0x201, 312, 480, 1040));
  session.OnMouse(Mouse(0x20A, 100, -2, 1050, 0xFF880000));  // delta -120
  session.OnMouse(Mouse(0x200, -1280, 5, 1060));
  EXPECT_EQ(session.Data(), Bytes({0x100, 0x1E41,     1,          10, 0x10020,  //
                                   0x101, 0x1532E,    0x8001,     20, 0x10020,  //
                                   0x104, 0x3812,     1,          30, 0x10020,  //
                                   0x201, 312,        480,        40, 0x30040,  //
                                   0x20A, 100,        0xFF88FFFE, 50, 0x30040,  //
                                   0x200, 0xFFFFFB00, 5,          60, 0x30040}));
  // What the player makes of them.
  const auto wheel = vx::MouseInputOf(vx::ReadRecordedEvent(session.Data(), 4));
  ASSERT_TRUE(wheel);
  EXPECT_EQ(wheel->y, -2);
  EXPECT_EQ(wheel->wheel, -120);
  const auto del = vx::KeyInputOf(vx::ReadRecordedEvent(session.Data(), 1));
  ASSERT_TRUE(del);
  EXPECT_TRUE(del->extended);
  EXPECT_TRUE(del->up);
}

TEST(RecorderTest, OptionsChooseWhichEventsAreKept) {
  // The messages kept of moves, left and right buttons, the middle button, the wheel and a
  // key (0x100).
  const auto recorded = [](RecorderOptions options) {
    RecorderSession session;
    session.Start(options, 0);
    std::vector<std::uint32_t> kept;
    for (std::uint32_t m : {0x200u, 0x201u, 0x202u, 0x204u, 0x205u, 0x207u, 0x208u, 0x20Au}) {
      if (session.OnMouse(Mouse(m, 1, 1, 5)) == RecorderResult::Recorded) kept.push_back(m);
    }
    if (session.OnKey(Key(0x100, 0x41, 0x1E, 0, 5)) == RecorderResult::Recorded) {
      kept.push_back(0x100);
    }
    EXPECT_EQ(vx::RecordedEventCount(session.Data()), kept.size());
    return kept;
  };
  using Messages = std::vector<std::uint32_t>;
  EXPECT_EQ(recorded({true, false, false}), (Messages{0x201, 0x202, 0x204, 0x205, 0x20A}));
  EXPECT_EQ(recorded({true, true, false}), (Messages{0x200, 0x201, 0x202, 0x204, 0x205, 0x20A}));
  EXPECT_EQ(recorded({false, true, false}), Messages{});  // moves only with the mouse
  EXPECT_EQ(recorded({false, false, true}), (Messages{0x207, 0x208, 0x100}));
}

TEST(RecorderTest, TheRecordersOwnWindowIsLeftOut) {
  RecorderSession session;
  session.Start({true, true, true}, 0);
  // The click on "Stop": the move onto it, its press and release.
  for (std::uint32_t m : {0x200u, 0x201u, 0x202u, 0x20Au})
    EXPECT_EQ(session.OnMouse(OnRecorder(m, 1)), RecorderResult::Ignored) << m;
  // Pressed on the recorder, dragged off it and released elsewhere: all the recorder's; the
  // next press elsewhere is recorded again.
  session.OnMouse(OnRecorder(0x204, 2));
  EXPECT_EQ(session.OnMouse(Mouse(0x200, 1, 1, 3)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnMouse(Mouse(0x205, 1, 1, 4)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnMouse(Mouse(0x201, 1, 1, 5)), RecorderResult::Recorded);
  // A press elsewhere released over the recorder keeps its release: no button stays down.
  EXPECT_EQ(session.OnMouse(OnRecorder(0x202, 6)), RecorderResult::Recorded);
  EXPECT_EQ(session.OnMouse(OnRecorder(0x207, 7)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnMouse(Mouse(0x208, 1, 1, 8)), RecorderResult::Ignored);
  EXPECT_EQ(vx::RecordedEventCount(session.Data()), 2u);

  // A new recording forgets a button held on the recorder when the last one stopped.
  session.OnMouse(OnRecorder(0x201, 9));
  session.Start({true, false, false}, 0);
  EXPECT_EQ(session.OnMouse(Mouse(0x202, 1, 1, 10)), RecorderResult::Recorded);
}

// The same with the recorder in front.
KeyHookEvent KeyOnRecorder(std::uint32_t message, std::uint32_t vk, std::uint32_t flags,
                           std::uint32_t time) {
  KeyHookEvent event = Key(message, vk, 0x39, flags, time);
  event.onRecorder = true;
  return event;
}

TEST(RecorderTest, KeysTypedOnTheRecorderAreLeftOut) {
  constexpr std::uint32_t Tab = 0x09, Space = 0x20, Alt = 0x12;
  RecorderSession session;
  session.Start({false, false, true}, 0);
  // Tab to "Stop" and Space on it.
  EXPECT_EQ(session.OnKey(KeyOnRecorder(0x100, Tab, 0, 1)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnKey(KeyOnRecorder(0x101, Tab, llkhf::Up, 2)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnKey(KeyOnRecorder(0x100, Space, 0, 3)), RecorderResult::Ignored);
  // Alt+Tab away from the recorder: the keys, their repeats and their releases in the window
  // that came to the front are the recorder's.
  session.OnKey(KeyOnRecorder(0x104, Alt, 0, 4));
  session.OnKey(KeyOnRecorder(0x104, Tab, 0, 5));
  EXPECT_EQ(session.OnKey(Key(0x104, Tab, 0x0F, 0, 6)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnKey(Key(0x105, Tab, 0x0F, llkhf::Up, 7)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnKey(Key(0x101, Alt, 0x38, llkhf::Up, 8)), RecorderResult::Ignored);
  EXPECT_EQ(session.OnKey(Key(0x101, Space, 0x39, llkhf::Up, 9)), RecorderResult::Ignored);
  // Pressed elsewhere and released on the recorder: the release is kept, so a playback never
  // leaves a key down.
  EXPECT_EQ(session.OnKey(Key(0x100, Space, 0x39, 0, 10)), RecorderResult::Recorded);
  EXPECT_EQ(session.OnKey(KeyOnRecorder(0x101, Space, llkhf::Up, 11)), RecorderResult::Recorded);
  EXPECT_EQ(vx::RecordedEventCount(session.Data()), 2u);
  // The Pause key still pauses there.
  EXPECT_EQ(session.OnKey(KeyOnRecorder(0x100, PauseKey, 0, 12)), RecorderResult::Paused);

  // A new recording forgets a key held on the recorder when the last one stopped.
  session.Start({false, false, true}, 0);
  session.OnKey(KeyOnRecorder(0x100, Tab, 0, 13));
  session.Start({false, false, true}, 0);
  EXPECT_EQ(session.OnKey(Key(0x101, Tab, 0x0F, llkhf::Up, 14)), RecorderResult::Recorded);
}

TEST(RecorderTest, TimesCountFromTheStartAndNeverBeforeIt) {
  RecorderSession session;
  session.Start({true, false, true}, 0xFFFFFF00u);        // the tick count wraps during it
  session.OnKey(Key(0x100, 0x41, 0x1E, 0, 0xFFFFFEF0u));  // stamped before the click
  session.OnKey(Key(0x101, 0x41, 0x1E, llkhf::Up, 0x00000010u));
  EXPECT_EQ(vx::ReadRecordedEvent(session.Data(), 0).time, 0u);
  EXPECT_EQ(vx::ReadRecordedEvent(session.Data(), 1).time, 0x110u);
}

TEST(RecorderTest, PauseStopsAndIsNotRecorded) {
  RecorderSession session;
  session.Start({true, false, true}, 0);
  session.OnKey(Key(0x100, 0x41, 0x1E, 0, 1));
  EXPECT_EQ(session.OnKey(Key(0x101, vx::editor::PauseKey, 0x45, llkhf::Up, 2)),
            RecorderResult::Ignored);  // the release of a Pause pressed before the start
  EXPECT_EQ(session.OnKey(Key(0x100, vx::editor::PauseKey, 0x45, 0, 3)), RecorderResult::Paused);
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(session.OnMouse(Mouse(0x201, 1, 1, 4)), RecorderResult::Ignored);
  EXPECT_EQ(vx::RecordedEventCount(session.Data()), 1u);
}

TEST(RecorderTest, StopsWhenTheNextEventWouldNotFitAStepField) {
  RecorderSession session;
  session.Start({true, false, false}, 0);
  for (std::size_t i = 1; i < MaxRecordedEvents; ++i) {
    ASSERT_EQ(session.OnMouse(Mouse(0x201, 1, 1, 5)), RecorderResult::Recorded) << i;
  }
  EXPECT_EQ(session.OnMouse(Mouse(0x202, 1, 1, 6)), RecorderResult::Full);
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(session.Data().size(), 3276u * 20u);
  EXPECT_EQ(session.OnMouse(Mouse(0x201, 1, 1, 7)), RecorderResult::Ignored);

  // A new recording starts empty.
  session.Start({true, false, false}, 0);
  EXPECT_EQ(session.Data(), "");
}

// The dialog's show and Apply, as it does them: the session beside the speed's mapping.
int ShownSpeed(const vx::TCommand& step, RecorderSession& session, RecorderShown* shown = nullptr) {
  DialogValues values = InitialValues(RecorderMapping, RecorderControlCount);
  const RecorderShown opened = ShowRecordStep(step, session);
  if (shown) *shown = opened;
  ShowStepValues(RecorderMapping, step, {}, values);
  return values[rcSpeed].index;
}

// Applies onto a step with none of the fields Apply must write.
vx::TCommand Applied(int speed, RecorderSession& session, const vx::TCommand& step) {
  DialogValues values = InitialValues(RecorderMapping, RecorderControlCount);
  values[rcSpeed].index = speed;
  vx::TCommand applied{vx::ckRecord, "", "", step.p3, step.p4, step.enabled};
  ApplyStepValues(RecorderMapping, vx::ckRecord, values, applied);
  ApplyRecording(session, applied);
  return applied;
}

TEST(RecorderTest, RecordStepFields) {
  RecorderSession session;
  session.Start({true, false, false}, 0);
  session.OnMouse(Mouse(0x201, 1, 2, 3));
  session.Stop();

  // Every add starts with an empty buffer, whatever an earlier showing left in it.
  vx::TCommand added{vx::ckRecord, "", "", "", "", 1};
  RecorderShown fresh;
  EXPECT_EQ(InitialValues(RecorderMapping, RecorderControlCount)[rcSpeed].index, 2);
  EXPECT_EQ(ShownSpeed(added, session, &fresh), 2);
  EXPECT_FALSE(fresh.playEnabled);
  EXPECT_EQ(fresh.title, "Record");
  EXPECT_EQ(session.Data(), "");

  // Editing without recording again keeps the recording and stores the track bar's speed.
  const std::string recording = Bytes({0x201, 1, 2, 3, 4});
  vx::TCommand edited{vx::ckRecord, recording, "0", "", "note", 0};
  RecorderShown shown;
  EXPECT_EQ(ShownSpeed(edited, session, &shown), 0);
  EXPECT_TRUE(shown.playEnabled);
  edited = Applied(4, session, edited);
  EXPECT_EQ(edited, (vx::TCommand{vx::ckRecord, recording, "4", "", "note", 0}));
  EXPECT_EQ(session.Data(), "");

  // A recording made in the dialog is what Play plays and Apply stores.
  ShowRecordStep(added, session);
  session.Start({true, false, false}, 100);
  session.OnMouse(Mouse(0x204, 7, 8, 150));
  session.Stop();
  TakeRecording(session, added);
  EXPECT_EQ(added.p1, Bytes({0x204, 7, 8, 50, 0x30040}));
  EXPECT_EQ(Applied(2, session, added),
            (vx::TCommand{vx::ckRecord, Bytes({0x204, 7, 8, 50, 0x30040}), "2", "", "", 1}));

  // A recording the system refuses to start keeps the recording the step had.
  const int speed = ShownSpeed(edited, session);
  EXPECT_FALSE(StartRecordStep({true, false, false}, 0, session, [] { return false; }));
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(Applied(speed, session, added).p1, recording);
  ASSERT_TRUE(StartRecordStep({true, false, false}, 0, session, [] { return true; }));
  EXPECT_TRUE(session.Recording());
  EXPECT_EQ(session.Data(), "");

  // Cancel stops a running recording and empties the buffer.
  session.Start({true, false, false}, 0);
  session.OnMouse(Mouse(0x201, 1, 2, 3));
  CancelRecordStep(session);
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(session.Data(), "");
}

TEST(RecorderTest, ButtonsFollowTheRecorderState) {
  EXPECT_EQ(RecorderButtonsFor(RecorderMode::Idle, false),
            (RecorderButtons{"Record", true, false}));
  EXPECT_EQ(RecorderButtonsFor(RecorderMode::Idle, true), (RecorderButtons{"Record", true, true}));
  EXPECT_EQ(RecorderButtonsFor(RecorderMode::Recording, true),
            (RecorderButtons{"Stop", true, false}));
  EXPECT_EQ(RecorderButtonsFor(RecorderMode::Playing, false),
            (RecorderButtons{"Record", false, true}));
  EXPECT_TRUE(RecorderButtonsAct(RecorderMode::Recording));
  EXPECT_FALSE(RecorderButtonsAct(RecorderMode::Playing));
}

TEST(RecorderTest, SpeedFieldsThatAreNoTrackBarPosition) {
  RecorderSession session;
  const auto speedOf = [&](const std::string& field) {
    return ShownSpeed({vx::ckRecord, "", field, "", "", 1}, session);
  };
  EXPECT_EQ(speedOf(""), 2);
  EXPECT_EQ(speedOf("fast"), 2);
  EXPECT_EQ(speedOf("3 "), 2);  // trailing blanks are no integer
  EXPECT_EQ(speedOf(" 3"), 3);
  EXPECT_EQ(speedOf("$4"), 4);
  EXPECT_EQ(speedOf("7"), 4);
  EXPECT_EQ(speedOf("-1"), 0);
}

}  // namespace
