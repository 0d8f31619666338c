// The errors that end a run or a command. Each carries the kind name shown in the
// "Application Error" box and the system's own message text, word for word.
#pragma once

#include <stdexcept>
#include <string>

namespace vx {

class Error : public std::runtime_error {
 public:
  Error(std::string kind, const std::string& message)
      : std::runtime_error(message), kind_(std::move(kind)) {}
  const std::string& Kind() const noexcept { return kind_; }
  const char* Message() const noexcept { return what(); }

 private:
  std::string kind_;
};

// A text that is not an integer ("'%s' is not a valid integer value").
class ConvertError : public Error {
 public:
  explicit ConvertError(const std::string& message) : Error("EConvertError", message) {}
};

// File input and output: "File not found", "Read beyond end of file", ...
class InOutError : public Error {
 public:
  explicit InOutError(const std::string& message) : Error("EInOutError", message) {}
};

// A file that cannot be opened ("Cannot open file "%s". %s").
class FileOpenError : public Error {
 public:
  explicit FileOpenError(const std::string& message) : Error("EFOpenError", message) {}
};

// A file that cannot be created or written ("Cannot create file "%s". %s").
class FileCreateError : public Error {
 public:
  explicit FileCreateError(const std::string& message) : Error("EFCreateError", message) {}
};

// A script that the file layout cannot hold (too many steps, a text too long).
class ScriptLimitError : public Error {
 public:
  explicit ScriptLimitError(const std::string& message) : Error("EScriptLimit", message) {}
};

// Registry values: "Failed to get data for '%s'", "Invalid data type for '%s'".
class RegistryError : public Error {
 public:
  explicit RegistryError(const std::string& message) : Error("ERegistryException", message) {}
};

// "Cannot open clipboard".
class ClipboardError : public Error {
 public:
  explicit ClipboardError(const std::string& message) : Error("EClipboardException", message) {}
};

// COM automation failures (Show Desktop).
class ComError : public Error {
 public:
  explicit ComError(const std::string& message) : Error("EOleSysError", message) {}
};

// Network failures: refused commands, time-outs, lost connections.
class NetworkError : public Error {
 public:
  explicit NetworkError(const std::string& message) : Error("ENetworkError", message) {}
};

}  // namespace vx
