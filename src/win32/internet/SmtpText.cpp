#include "win32/internet/SmtpText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace vx::win32 {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A header value must stay on its one line: a line break inside a subject would otherwise
// start a header (or the body) of the user's text's choosing.
std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

std::string SmtpReply::Text() const {
  std::string text = std::to_string(code);
  for (const std::string& line : lines) text += " " + line;
  return text;
}

std::vector<std::string> SplitRecipients(const std::string& recipients) {
  std::vector<std::string> result;
  std::string item;
  auto flush = [&] {
    std::string trimmed = Trim(item);
    if (!trimmed.empty()) result.push_back(std::move(trimmed));
    item.clear();
  };
  for (char c : recipients) {
    if (c == ',' || c == ';') {
      flush();
    } else {
      item += c;
    }
  }
  flush();
  return result;
}

std::string MailboxOf(const std::string& recipient) {
  const auto open = recipient.find('<');
  const auto close = recipient.find('>', open == std::string::npos ? 0 : open);
  if (open == std::string::npos || close == std::string::npos) return recipient;
  return Trim(recipient.substr(open + 1, close - open - 1));
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string BuildMessageData(const std::vector<std::string>& recipients, const std::string& subject,
                             const std::string& body) {
  std::string to;
  for (const std::string& recipient : recipients) {
    if (!to.empty()) to += ", ";
    to += OneLine(recipient);
  }
  std::string data = "To: " + to + "\r\nSubject: " + OneLine(subject) + "\r\n\r\n";
  for (const std::string& line : SplitLines(body)) {
    if (!line.empty() && line[0] == '.') data += '.';
    data += line + "\r\n";
  }
  data += ".\r\n";
  return data;
}

std::string Base64(const std::string& bytes) {
  static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                       (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], digits[v & 63]};
  }
  if (i + 1 == bytes.size()) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    out += {digits[v >> 18], digits[(v >> 12) & 63], '=', '='};
  } else if (i + 2 == bytes.size()) {
    const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                       (static_cast<unsigned char>(bytes[i + 1]) << 8);
    out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], '='};
  }
  return out;
}

std::vector<std::string> AuthMechanisms(const SmtpReply& ehlo) {
  std::vector<std::string> mechanisms;
  for (const std::string& line : ehlo.lines) {
    const std::string upper = Upper(line);
    if (upper.rfind("AUTH", 0) != 0 || upper.size() < 5 || (upper[4] != ' ' && upper[4] != '='))
      continue;
    std::istringstream words(upper.substr(5));
    for (std::string word; words >> word;) mechanisms.push_back(word);
  }
  return mechanisms;
}

}  // namespace vx::win32
