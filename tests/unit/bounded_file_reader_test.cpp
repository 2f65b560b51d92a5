// A user's file read in bounded memory: whatever stands at the path answers at once, and what is
// too large is refused with its size, never read whole.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>

#include "platform/bounded_file_reader.h"

namespace nocturna {
namespace {

class BoundedFileReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/bounded_reader_test.XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder = name;
  }
  void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }
  std::string folder;
};

TEST_F(BoundedFileReaderTest, EveryKindOfPathAnswersAtOnce) {
  const std::string pipe = folder + "/pipe", sparse = folder + "/sparse", tenBytes = folder + "/ten";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  { std::ofstream(tenBytes) << "0123456789"; }
  { std::ofstream touch(sparse); }
  ASSERT_EQ(::truncate(sparse.c_str(), off_t{1} << 30), 0);
  const struct {
    std::string path;
    FileKinds kinds;
    std::size_t limit;
    FileReadOutcome outcome;
    std::string bytesOrProblem;
  } cases[] = {
      {folder + "/none", FileKinds::StreamsToo, 10, FileReadOutcome::Absent,
       "cannot open " + folder + "/none: No such file or directory"},
      {tenBytes, FileKinds::RegularOnly, 10, FileReadOutcome::Read, "0123456789"},
      {tenBytes, FileKinds::RegularOnly, 9, FileReadOutcome::TooLarge,
       tenBytes + " is too large (10 bytes; at most 9 bytes is read)"},
      {folder, FileKinds::StreamsToo, 10, FileReadOutcome::Refused, folder + " is a directory"},
      {pipe, FileKinds::RegularOnly, 10, FileReadOutcome::Refused, pipe + " is not a regular file"},
      {pipe, FileKinds::StreamsToo, 10, FileReadOutcome::Read, ""},  // no writer: nothing, not a wait
      {sparse, FileKinds::RegularOnly, kLargestUserFileBytes, FileReadOutcome::TooLarge,
       sparse + " is too large (1024.0 MB; at most 16.0 MB is read)"},
      {"/dev/zero", FileKinds::StreamsToo, kLargestUserFileBytes, FileReadOutcome::TooLarge,
       "/dev/zero is too large (more than 16.0 MB; at most 16.0 MB is read)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    auto reading = std::async(std::launch::async, [&] { return ReadBoundedFile(c.path, c.kinds, c.limit); });
    if (reading.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
      ADD_FAILURE() << "the read waits";
      ::close(::open(c.path.c_str(), O_WRONLY | O_NONBLOCK));  // a writer comes and goes: the read ends
    }
    const FileRead read = reading.get();
    EXPECT_EQ(read.outcome, c.outcome);
    EXPECT_EQ(read.outcome == FileReadOutcome::Read ? read.bytes : read.problem, c.bytesOrProblem);
    EXPECT_LE(read.bytes.capacity(), c.limit + (1u << 20)) << "read more than the bound";
  }
}

}  // namespace
}  // namespace nocturna
