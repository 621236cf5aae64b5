#include "player/hand_over.h"

#include "player/state.h"

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

int handOffToRunningInstance() {
  fw::TextArray arguments = fw::commandLineArguments();
  fw::Text path = mediaPathFromArguments(arguments);
  if (!arguments.empty()) {
    playlist.push_back(path);
    currentIndex = 1;
  }
  return 1;
}

}  // namespace player
