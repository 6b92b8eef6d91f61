#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>

LineReader::LineReader(std::istream& in, size_t line_limit, size_t block_size)
    : in_(in),
      line_limit_(line_limit),
      block_size_(block_size),
      // Not cleared: only the bytes read are ever looked at, and a batch of short lines touches
      // no more of it than the front.
      buffer_(std::make_unique_for_overwrite<char[]>(line_limit + 1 + block_size)) {}

LineReader::Outcome LineReader::Next(std::string_view& line) {
  while (true) {
    const char* const first = buffer_.get() + begin_;
    const size_t unread = end_ - begin_;
    if (const auto* feed = static_cast<const char*>(std::memchr(first, '\n', unread))) {
      const auto length = static_cast<size_t>(feed - first);
      begin_ += length + 1;
      if (length > line_limit_)
        return Outcome::TooLong;
      line = {first, length};
      return Outcome::Line;
    }
    if (unread > line_limit_)
      return SkipLongLine();
    if (at_end_) {
      if (unread == 0)
        return Outcome::End;
      begin_ = end_;
      line = {first, unread};
      return Outcome::Line;
    }
    if (!Fill())
      return Outcome::ReadError;
  }
}

LineReader::Outcome LineReader::SkipLongLine() {
  while (true) {
    begin_ = end_ = 0;
    if (at_end_)
      return Outcome::TooLong;
    if (!Fill())
      return Outcome::ReadError;
    if (const auto* feed = static_cast<const char*>(std::memchr(buffer_.get(), '\n', end_))) {
      begin_ = static_cast<size_t>(feed - buffer_.get()) + 1;
      return Outcome::TooLong;
    }
  }
}

bool LineReader::Fill() {
  const size_t unread = end_ - begin_;
  std::memmove(buffer_.get(), buffer_.get() + begin_, unread);
  begin_ = 0;
  end_ = unread;
  char* const room = buffer_.get() + end_;
  // peek waits for input as getline did, through the stream's own buffer, and readsome then
  // takes what that buffer holds with no read of its own. So the stream is read no further
  // than a line at a time would read it, and a read error comes after every line before it.
  errno = 0;
  if (in_.peek() == std::istream::traits_type::eof()) {
    if (in_.bad()) {
      error_number_ = errno;
      return false;
    }
    at_end_ = true;
    return true;
  }
  std::streamsize read = in_.readsome(room, static_cast<std::streamsize>(block_size_));
  // A stream buffer that keeps no bytes in view gives them one at a time.
  if (read == 0) {
    in_.read(room, 1);
    read = in_.gcount();
    if (in_.bad()) {
      error_number_ = errno;
      return false;
    }
  }
  end_ += static_cast<size_t>(read);
  return true;
}
