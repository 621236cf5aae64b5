#include "player/app/hand_over_file.h"

namespace player {

fw::Bytes handOverFileBytes(const HandOverRecord& record) {
  return fw::intToText(record.processId) + "\r\n" + fw::intToText(record.listHandle);
}

HandOverRecord readHandOverRecord(fw::LineReader& reader) {
  HandOverRecord record;
  record.processId = fw::textToInt(reader.readLine());
  record.listHandle = fw::textToInt(reader.readLine());
  return record;
}

}  // namespace player
