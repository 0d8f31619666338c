#include "core/editor/document/DocumentNames.h"

#include <string_view>

namespace vx::editor {

namespace {

std::size_t FileNameStart(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? 0 : cut + 1;
}

std::string RemoveEvery(std::string_view text, std::string_view piece) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(piece); at != std::string_view::npos;
       at = text.find(piece, from)) {
    out.append(text.substr(from, at - from));
    from = at + piece.size();
  }
  out.append(text.substr(from));
  return out;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  return path.substr(FileNameStart(path));
}

std::string DocumentNameFor(const std::string& path) {
  return path.empty() ? std::string(kUntitled) : FileNamePart(path);
}

std::string MainCaption(const std::string& documentName) {
  return documentName + " - " + kProgramTitle;
}

std::string SaveAsBase(const std::string& chosen) {
  const std::size_t start = FileNameStart(chosen);
  return chosen.substr(0, start) +
         RemoveEvery(std::string_view(chosen).substr(start), kScriptExtension);
}

std::string SaveAsPath(const std::string& chosen) {
  return SaveAsBase(chosen) + kScriptExtension;
}

std::string SaveChangesQuestion(const std::string& documentName) {
  return "Save changes to this document: " + documentName + " ?";
}

std::string SaveOnCloseQuestion(const std::string& documentName) {
  return "Save the changes to this document: " + documentName + " ?";
}

}  // namespace vx::editor
