#include "cli/line_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ios>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/random_draw.h"

namespace {

// One outcome of a reading, with the line it gave.
struct Read {
  LineReader::Outcome outcome;
  std::string line;
  int error_number = 0;

  bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Read& read) {
  std::string shown;
  for (const char c : read.line)
    shown += c == '\0' ? std::string("\\0") : c == '\r' ? std::string("\\r") : std::string(1, c);
  return out << static_cast<int>(read.outcome) << " \"" << shown << "\" " << read.error_number;
}

// How the batch read its lines with istream::getline into a buffer of the longest line and
// its terminator: the rules the reader keeps.
std::vector<Read> GetlineReads(std::istream& in, size_t limit) {
  std::vector<Read> reads;
  std::vector<char> line(limit + 1);
  while (true) {
    errno = 0;
    in.getline(line.data(), static_cast<std::streamsize>(limit + 1));
    const bool too_long = in.fail() && !in.eof() && !in.bad();
    if (too_long) {
      in.clear();
      in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    if (in.bad()) {
      reads.push_back({LineReader::Outcome::ReadError, "", errno});
      return reads;
    }
    if (too_long) {
      reads.push_back({LineReader::Outcome::TooLong, ""});
      continue;
    }
    if (in.fail()) {
      reads.push_back({LineReader::Outcome::End, ""});
      return reads;
    }
    const size_t length = static_cast<size_t>(in.gcount()) - (in.eof() ? 0 : 1);
    reads.push_back({LineReader::Outcome::Line, std::string(line.data(), length)});
    if (in.eof()) {
      reads.push_back({LineReader::Outcome::End, ""});
      return reads;
    }
  }
}

std::vector<Read> ReaderReads(std::istream& in, size_t limit, size_t block) {
  std::vector<Read> reads;
  LineReader reader(in, limit, block);
  while (true) {
    std::string_view line;
    const LineReader::Outcome outcome = reader.Next(line);
    switch (outcome) {
      case LineReader::Outcome::Line:
        reads.push_back({outcome, std::string(line)});
        break;
      case LineReader::Outcome::TooLong:
        reads.push_back({outcome, ""});
        break;
      case LineReader::Outcome::End:
        reads.push_back({outcome, ""});
        return reads;
      case LineReader::Outcome::ReadError:
        reads.push_back({outcome, "", reader.ErrorNumber()});
        return reads;
    }
  }
}

// A stream buffer that gives `text` a few bytes at a time and then fails as a disk or
// terminal can, the way a file buffer reports it: by throwing, with errno set.
class FailingBuffer : public std::streambuf {
 public:
  FailingBuffer(std::string text, size_t piece) : text_(std::move(text)), piece_(piece) {}

 protected:
  int_type underflow() override {
    if (given_ == text_.size()) {
      errno = EIO;
      throw std::ios_base::failure("read error");
    }
    const size_t size = std::min(piece_, text_.size() - given_);
    char* const first = text_.data() + given_;
    setg(first, first, first + size);
    given_ += size;
    return traits_type::to_int_type(*first);
  }

 private:
  std::string text_;
  size_t piece_;
  size_t given_ = 0;
};

struct ReadCase {
  const char* name;
  std::string text;
};

// Limit 4: lines of 4 bytes are read, of 5 refused.
const ReadCase kCases[] = {
    {"nothing", ""},
    {"one line", "ab\n"},
    {"no last line feed", "ab\ncd"},
    {"empty lines", "\n\n\n"},
    {"crlf kept", "ab\r\ncd\r\n"},
    {"nul bytes kept", std::string("a\0b\n\0\n", 6)},
    {"exactly the limit", "abcd\nabcd"},
    {"one beyond the limit", "abcde\nab\nabcde"},
    {"far beyond the limit", std::string(50, 'x') + "\nab\n" + std::string(30, 'y')},
    {"the limit with crlf", "abc\r\nabcd\r\n"},
};

TEST(LineReader, GivesTheLinesThatGetlineGave) {
  for (const auto& c : kCases) {
    for (size_t block = 1; block <= 9; ++block) {
      std::istringstream reference(c.text), in(c.text);
      EXPECT_EQ(ReaderReads(in, 4, block), GetlineReads(reference, 4))
          << c.name << ", block " << block;
    }
  }
}

TEST(LineReader, GivesTheLinesThatGetlineGaveOnRandomTexts) {
  Draw draw(20261209);
  const std::string bytes("ab \r\n\n\0\t", 8);
  for (int n = 0; n < 1500; ++n) {
    std::string text(static_cast<size_t>(draw.Below(60)), ' ');
    for (char& c : text)
      c = bytes[static_cast<size_t>(draw.Below(static_cast<int>(bytes.size())))];
    const size_t limit = 1 + static_cast<size_t>(draw.Below(8));
    const size_t block = 1 + static_cast<size_t>(draw.Below(12));
    std::istringstream reference(text), in(text);
    ASSERT_EQ(ReaderReads(in, limit, block), GetlineReads(reference, limit))
        << "limit " << limit << ", block " << block << ", text of " << text.size();
  }
}

// The lines before a read error are given, and then the error with its errno, however the
// stream buffer's pieces fall.
TEST(LineReader, GivesTheLinesBeforeAReadErrorAndThenTheError) {
  for (const std::string text : {"", "ab\ncd\nef", "ab\nabcdefg\n", "abcdefg"}) {
    for (size_t piece = 1; piece <= 4; ++piece) {
      FailingBuffer reference_buffer(text, piece), buffer(text, piece);
      std::istream reference(&reference_buffer), in(&buffer);
      const std::vector<Read> reads = ReaderReads(in, 4, 3);
      EXPECT_EQ(reads, GetlineReads(reference, 4)) << text << ", piece " << piece;
      EXPECT_EQ(reads.back(), (Read{LineReader::Outcome::ReadError, "", EIO}));
    }
  }
}

}  // namespace
