#pragma once
// The player running in this test process (the road fixture: stand-in engine
// on its manual clock, scripted modal seam, fresh folder), with what the
// file-type and live-channel tests add: extension names of this process's
// own, whose registry entries go at the end of the test.
#include <string>
#include <vector>

#include "framework/window.h"
#include "tests/player_road/road_test.h"

namespace system_test {

class SystemTest : public road::RoadTest {
 protected:
  void TearDown() override;

  // Writes "设置.txt" in the test folder (GBK text).
  void writeSettings(const std::string& text);
  // `ext` with this process's id after it (".mp4" gives ".mp4-1234"), then
  // `tail`: a name no other test writes under.
  std::string ownExtension(const std::string& ext, const std::string& tail = "");

 private:
  std::vector<std::string> extensions_;
};

// The current user's choice key of an extension, as the system keeps it.
std::string userChoiceKey(const std::string& ext);

}  // namespace system_test
