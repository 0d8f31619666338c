// An edit box whose text becomes one sub-field of a step field: the separator byte can
// neither be typed (Ctrl+A types it) nor pasted nor set, since it would split the value in
// two when the player reads the field back.
#pragma once

#include <string>

#include "win32/forms/StdControls.h"

namespace vx::editor {

class TSubFieldEdit : public win32::TEdit {
 protected:
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  std::string Admitted(const std::string& text) const override;

 private:
  void PasteWithoutSeparators();
};

// The same for a sub-field that names a file, folder or object: a Unicode window, as
// win32::TNameEdit is, so a name the ANSI code page cannot hold can be refused.
class TSubFieldNameEdit : public TSubFieldEdit {
 protected:
  bool Unicode() const override { return true; }
};

}  // namespace vx::editor
