#include "player/app/hand_over.h"

#include "framework/program.h"
#include "player/playback/playback.h"

namespace player {

fw::Text mediaPathFromArguments(const fw::TextArray& arguments) {
  if (arguments.empty()) return fw::Text();
  if (arguments.size() == 1) return arguments[0];
  fw::Text path;
  for (const fw::Text& argument : arguments) {
    path += ' ';
    path += argument;
  }
  return fw::trimLeadingSpaces(path);
}

bool handOffToRunningInstance() {
  fw::TextArray arguments = fw::commandLineArguments();
  fw::Text path = mediaPathFromArguments(arguments);
  if (!arguments.empty()) {
    playlist.push_back(path);
    currentIndex = 1;
  }
  return true;
}

}  // namespace player
