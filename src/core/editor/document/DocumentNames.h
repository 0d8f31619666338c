// How a document is named: the file-name part shown in the caption and the save questions,
// the window caption, and the name a Save As writes to.
#pragma once

#include <string>

namespace vx::editor {

inline constexpr const char* kProgramTitle = "Vorlix";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kScriptExtension = ".vxz";

// The text after the last "\" or ":" (the whole path when it has neither). A "/" is part of
// the name here, as the editor has always shown it.
std::string FileNamePart(const std::string& path);

// The name a document with this path shows: its file-name part, or "Untitled" for none.
std::string DocumentNameFor(const std::string& path);

// The main window's caption for a document name: name + " - " + "Vorlix".
std::string MainCaption(const std::string& documentName);

// Save As strips every exact, case-sensitive ".vxz" from the chosen file-name part (one
// left-to-right pass), so the written file always ends in ".vxz"; the folders on the way
// are kept as typed, even one called "x.vxz". The result has no extension: the file
// written is SaveAsPath(chosen) and the document's name is its FileNamePart.
// report -> report, report.vxz -> report, report.VXZ -> report.VXZ, a.vxz.bak -> a.bak.
std::string SaveAsBase(const std::string& chosen);

// The file Save As writes for the chosen name: SaveAsBase(chosen) + ".vxz". The question
// before replacing a file is about this one, not the name as typed.
std::string SaveAsPath(const std::string& chosen);

// The two save questions (New/Open/recent file, and closing the window).
std::string SaveChangesQuestion(const std::string& documentName);
std::string SaveOnCloseQuestion(const std::string& documentName);

}  // namespace vx::editor
