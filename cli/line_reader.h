#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string_view>

// The lines of a stream, taken a bufferful at a time rather than a line at a time. A line is given
// without its line feed (a '\r' before it stays, as do NUL bytes); the last line needs none.
// A line longer than the limit is never held whole: it is passed over to its end and told
// as too long.
class LineReader {
 public:
  enum class Outcome { Line, TooLong, End, ReadError };

  // `line_limit`: the longest line given, in bytes without its line feed; `block_size`: the
  // most bytes taken from the stream's buffer at a time.
  LineReader(std::istream& in, size_t line_limit, size_t block_size);

  // The next line into `line`, valid until the next call. After End or ReadError no more
  // lines come.
  Outcome Next(std::string_view& line);

  // The errno of a ReadError, 0 where the stream left none.
  int ErrorNumber() const { return error_number_; }

 private:
  // Moves the unread bytes to the front and takes more after them. False on a read error.
  bool Fill();
  // Passes over the rest of a line with no line feed among its unread bytes.
  Outcome SkipLongLine();

  std::istream& in_;
  const size_t line_limit_;
  const size_t block_size_;
  // Room for the longest line, its line feed and a block.
  std::unique_ptr<char[]> buffer_;
  size_t begin_ = 0;  // the unread bytes
  size_t end_ = 0;
  bool at_end_ = false;
  int error_number_ = 0;
};
