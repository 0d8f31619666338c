// Whole-file reading and the safe replacement of a file, portable to both builds.
#pragma once

#include <string>

namespace vx {

// The whole content of a file. Raises InOutError with the file layer's message
// ("File not found", "File access denied", "I/O error %d").
std::string ReadFileBytes(const std::string& path);

// Replaces the file at path with bytes without ever leaving it half-written: the bytes go
// to a temporary file in the same folder, which takes the target's place in one step only
// once all of it is written and flushed to disk. A read-only file is never replaced. On
// failure the old file is as it was, the temporary file is gone, and FileCreateError names
// the file and the system's reason ("Cannot create file "%s". %s").
void WriteFileReplacing(const std::string& path, const std::string& bytes);

// The folder part of a path, with its trailing delimiter ("" when there is none).
std::string FolderOf(const std::string& path);
// The file-name part of a path (after the last "\", "/" or ":").
std::string FileNameOf(const std::string& path);

}  // namespace vx
