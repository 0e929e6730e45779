// The SSE2 scans against their twins written a byte at a time, and both
// against the standard library's own view of the same question, on random
// texts of every length up to a few blocks and on the edge bytes (the marks,
// blanks, quotes, the letters' neighbours, bytes from 0x80 up).  Each text
// lies in storage of exactly its size, so that the sanitizer build sees a
// read past it.
#include "frontend/byte_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>

namespace scoretext {
namespace {

// Bytes the scans treat apart, and their neighbours.
constexpr std::string_view kEdgeBytes = ";/=:<>.0 \"!#`a z{@AZ[\x7f\x80\x81\xe0\xfa\xff\t";

std::string random_text(std::mt19937& random, std::size_t n) {
  std::string text(n, '\0');
  for (char& c : text) {
    c = random() % 4 == 0 ? static_cast<char>(random()) : kEdgeBytes[random() % kEdgeBytes.size()];
  }
  return text;
}

// A copy of `text` in storage of exactly its size.
std::unique_ptr<char[]> exact_copy(const std::string& text) {
  std::unique_ptr<char[]> copy(new char[text.size()]);
  std::memcpy(copy.get(), text.data(), text.size());
  return copy;
}

TEST(ByteScanTwins, StatementMarksAreFoundAlike) {
  std::mt19937 random(577);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = random_text(random, random() % 70);
    const auto copy = exact_copy(text);
    const std::size_t expected = std::min(text.find_first_of(";/="), text.size());
    ASSERT_EQ(find_statement_mark_scalar(copy.get(), text.size()), expected) << text;
#if SCORETEXT_SSE2
    ASSERT_EQ(find_statement_mark_sse2(copy.get(), text.size()), expected) << text;
#endif
    ASSERT_EQ(find_statement_mark(copy.get(), text.size()), expected) << text;
  }
}

TEST(ByteScanTwins, AMarkIsFoundAtEveryPlaceOfEveryLength) {
  for (std::size_t n = 1; n <= 48; ++n) {
    for (std::size_t at = 0; at < n; ++at) {
      for (const char mark : {';', '/', '='}) {
        std::string text(n, 'x');
        text[at] = mark;
        const auto copy = exact_copy(text);
        EXPECT_EQ(find_statement_mark_scalar(copy.get(), n), at);
#if SCORETEXT_SSE2
        EXPECT_EQ(find_statement_mark_sse2(copy.get(), n), at) << n << ' ' << at;
#endif
      }
    }
  }
}

TEST(ByteScanTwins, TokenBlocksAreUpperCasedAndMaskedAlike) {
  std::mt19937 random(4242);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = random_text(random, kScanBlock);
    const auto copy = exact_copy(text);
    std::string want(kScanBlock, '\0');
    unsigned blanks = 0;
    unsigned quotes = 0;
    for (std::size_t i = 0; i < kScanBlock; ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      want[i] = c < 0x80 && std::islower(c) ? static_cast<char>(std::toupper(c)) : text[i];
      if (c == ' ') blanks |= 1u << i;
      if (c == '"') quotes |= 1u << i;
    }
    std::string out(kScanBlock, '#');
    const BlockMasks scalar = scan_token_block_scalar(copy.get(), out.data());
    ASSERT_EQ(out, want) << text;
    ASSERT_EQ(scalar.blanks, blanks) << text;
    ASSERT_EQ(scalar.quotes, quotes) << text;
#if SCORETEXT_SSE2
    std::string vector_out(kScanBlock, '#');
    const BlockMasks vector = scan_token_block_sse2(copy.get(), vector_out.data());
    ASSERT_EQ(vector_out, want) << text;
    ASSERT_EQ(vector.blanks, blanks) << text;
    ASSERT_EQ(vector.quotes, quotes) << text;
#endif
    // In place, as the tokenizer upper-cases its own copy.
    const BlockMasks in_place = scan_token_block(copy.get(), copy.get());
    ASSERT_EQ(std::string(copy.get(), kScanBlock), want) << text;
    ASSERT_EQ(in_place.blanks, blanks) << text;
  }
}

}  // namespace
}  // namespace scoretext
