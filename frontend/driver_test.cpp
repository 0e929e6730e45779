// What run_program writes on standard error when its body fails in a way no
// check foresaw: out of memory, and anything else.
#include "frontend/driver.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

#include <stdio.h>
#include <unistd.h>

#include <new>
#include <stdexcept>
#include <string>

namespace scoretext {
namespace {

struct Outcome {
  int status = 0;
  std::string error_output;
};

// Runs `body` with standard error sent to a scratch file.
Outcome run_failing(const ProgramBody& body) {
  FILE* scratch = tmpfile();
  const int saved = dup(STDERR_FILENO);
  dup2(fileno(scratch), STDERR_FILENO);
  char program[] = "tool";
  char in[] = "in.txt";
  char out[] = "out.txt";
  char* argv[] = {program, in, out, nullptr};
  Outcome outcome;
  outcome.status = run_program(3, argv, "usage\n", 2, body);
  dup2(saved, STDERR_FILENO);
  close(saved);
  rewind(scratch);
  char buffer[256];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, scratch)) > 0) outcome.error_output.append(buffer, n);
  fclose(scratch);
  return outcome;
}

TEST(RunProgram, OnlyALackOfMemoryIsReportedAsMalloc) {
  const Outcome memory = run_failing([](const FileArguments&) { throw std::bad_alloc(); });
  EXPECT_EQ(memory.status, 1);
  EXPECT_EQ(memory.error_output, "ERROR:malloc\n");

  const Outcome other = run_failing([](const FileArguments&) { throw std::length_error("vector too long"); });
  EXPECT_EQ(other.status, 1);
  const std::string internal = testing::cp932_by_iconv("内部エラー");
  ASSERT_FALSE(internal.empty()) << "no CP932 converter";
  EXPECT_EQ(other.error_output, "ERROR:" + internal + " vector too long\n");
}

}  // namespace
}  // namespace scoretext
