// The key capture of the Send Keys box and the cursor position capture.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/dialogs/KeyCapture.h"
#include "core/editor/dialogs/UserInputDialogFields.h"

namespace {

using vx::editor::KeyCapture;
using vx::editor::KeyToken;

TEST(KeyCaptureTest, SpecialKeysBecomeTheFirstNameOfTheirCode) {
  const std::pair<std::uint32_t, const char*> keys[] = {
      {3, "{BREAK}"},        {8, "{BACKSPACE}"},   {9, "{TAB}"},       {12, "{CLEAR}"},
      {13, "{ENTER}"},       {19, "{PAUSE}"},      {20, "{CAPSLOCK}"}, {27, "{ESC}"},
      {33, "{PGUP}"},        {34, "{PAGEDOWN}"},   {35, "{END}"},      {36, "{HOME}"},
      {37, "{LEFT}"},        {38, "{UP}"},         {39, "{RIGHT}"},    {40, "{DOWN}"},
      {42, "{PRINTSCREEN}"}, {45, "{INS}"},        {46, "{DEL}"},      {47, "{HELP}"},
      {91, "{WINKEY}"},      {112, "{F1}"},        {116, "{F5}"},      {135, "{F24}"},
      {144, "{NUMLOCK}"},    {145, "{SCROLLLOCK}"}};
  for (const auto& [vk, token] : keys) EXPECT_EQ(KeyToken(vk), token) << vk;
}

TEST(KeyCaptureTest, CaptureFollowsTheCheckBoxAndEveryShowOfSendKeys) {
  KeyCapture capture;
  EXPECT_EQ(capture.KeyDown(116), std::nullopt);  // off when the editor starts

  capture.StepShown(vx::ckSendKeys);
  EXPECT_EQ(capture.KeyDown(8), "{BACKSPACE}");
  // A mouse step leaves it as it was: on here, off below.
  capture.StepShown(vx::ckMouseMove);
  EXPECT_EQ(capture.KeyDown(8), "{BACKSPACE}");

  capture.CheckBoxClicked(false);
  EXPECT_EQ(capture.KeyDown(8), std::nullopt);  // Backspace deletes again

  // The next Send Keys step turns it on although the box still shows it unchecked.
  capture.StepShown(vx::ckMouseClick);
  EXPECT_FALSE(capture.On());
  capture.StepShown(vx::ckSendKeys);
  EXPECT_TRUE(capture.On());
  EXPECT_EQ(capture.KeyDown(9), "{TAB}");
}

TEST(KeyCaptureTest, PositionTextIsXCommaBlankY) {
  EXPECT_EQ(vx::editor::CursorPositionText(312, 480), "312, 480");
  EXPECT_EQ(vx::editor::CursorPositionText(0, 0), "0, 0");
  // A monitor left of or above the main one.
  EXPECT_EQ(vx::editor::CursorPositionText(-1280, -5), "-1280, -5");
}

}  // namespace
