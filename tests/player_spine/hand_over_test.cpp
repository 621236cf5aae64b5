// The command line as one media path.
#include <gtest/gtest.h>

#include "player/app/hand_over.h"

namespace spine {
namespace {

TEST(MediaPath, ArgumentsAreJoinedBySingleSpacesWithLeadingBlanksRemoved) {
  const struct {
    const char* commandLine;
    const char* path;
  } cases[] = {
      {"player.exe", ""},
      {"player.exe C:\\影片\\a.mp4", "C:\\影片\\a.mp4"},
      // An unquoted path the split cut apart comes back whole; runs of blanks as one.
      {"player.exe C:\\My Videos\\a.mp4", "C:\\My Videos\\a.mp4"},
      {"player.exe C:\\My   Videos\\a  b.mp4", "C:\\My Videos\\a b.mp4"},
      {"\"C:\\Program Files\\player.exe\" \"C:\\My Videos\\a.mp4\"", "C:\\My Videos\\a.mp4"},
      // One argument stays as it is, leading blanks and all.
      {"player.exe \"  a.mp4\"", "  a.mp4"},
      // With more, the joined text loses every leading blank, full-width ones too.
      {"player.exe \"　 a\" b", "a b"},
      {"player.exe \"\" a.mp4", "a.mp4"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(player::mediaPathFromArguments(fw::commandLineArguments(c.commandLine)), c.path)
        << c.commandLine;
}

}  // namespace
}  // namespace spine
