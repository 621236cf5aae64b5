#include "conversion/conversion_program.h"

#include <optional>

#include "conversion/start_window.h"
#include "engine/engine_items.h"
#include "framework/files.h"
#include "framework/program.h"

namespace conversion {

PlayerEngine* playerEngine = nullptr;
EngineHandle engineReady = 0;

namespace {

// A source must be an existing entry that is not a folder.
bool isUsableSource(const fw::Text& path) { return fw::isExistingFile(path); }

// The refusal the two paths call for, in the order they are tested; none when
// the conversion may go on. Only a destination the system says is not there
// may be written: one it cannot see might be an existing file.
std::optional<ExitCode> refusalOf(const fw::Text& source, const fw::Text& destination) {
  const fw::Existence sourceExists = fw::fileExistence(source);
  if (sourceExists == fw::Existence::kUnknown) return kExistenceUnknown;
  if (sourceExists == fw::Existence::kAbsent || !isUsableSource(source)) return kUnusableSource;
  switch (fw::fileExistence(destination)) {
    case fw::Existence::kExists:
      return kDestinationExists;   // never overwritten
    case fw::Existence::kUnknown:
      return kExistenceUnknown;
    case fw::Existence::kAbsent:
      break;
  }
  return std::nullopt;
}

}  // namespace

int conversionProgramEntry() {
  fw::startProgram();
  constructConversionGlobals();
  fw::setExitRoutine(destructConversionGlobals);
  fw::loadWindow<StartWindow>();
  return fw::runMessageLoop();
}

void constructConversionGlobals() { playerEngine = new PlayerEngine; }

void destructConversionGlobals() {
  if (!playerEngine) return;
  playerEngine->finalizeEngineObject();
  delete playerEngine;
  playerEngine = nullptr;
}

void runConversionFromCommandLine() {
  const fw::TextArray arguments = fw::commandLineArguments();
  const std::size_t count = arguments.size();
  if (count < 2) return fw::endProgram(kWrongArguments);

  StartWindow* window = fw::openWindow<StartWindow>();
  engineReady = playerEngine->create(window ? window->handle() : nullptr, 0, 0, 0, 0, nullptr,
                                     conversionStateCallback, nullptr, 0, 0, 0, 0, 0);
  if (engineReady == 0) return fw::endProgram(kNoEngine);
  playerEngine->setConfig(engine::kConversionMode, "2");

  if (count == 3) {
    const fw::TextArray formatFields = fw::splitText(arguments[0], ":");
    if (formatFields.size() < 2) return fw::endProgram(kWrongArguments);
    if (const auto refused = refusalOf(arguments[1], arguments[2])) return fw::endProgram(*refused);
    convertMedia(arguments[1], formatFields[1], arguments[2]);
    return fw::endProgram(kUnusableSource);
  }
  if (count == 2) {
    if (const auto refused = refusalOf(arguments[0], arguments[1])) return fw::endProgram(*refused);
    convertMedia(arguments[0], "wav", arguments[1]);
    return fw::endProgram(kUnusableSource);
  }
  fw::endProgram(kWrongArguments);
}

void convertMedia(const fw::Text& source, const fw::Text& format, const fw::Text& destination) {
  playerEngine->setConfig(engine::kConversionFormat, format);
  playerEngine->setConfig(engine::kConversionFile, destination);
  if (!isUsableSource(source)) return;
  playerEngine->open(source);
  do {
    fw::sleepMilliseconds(10);
    fw::handlePendingMessages();
  } while (playerEngine->getState() != engine::kIdle);
  fw::endProgram(fw::fileExists(destination) ? kConverted : kNothingWritten);
}

void WINAPI conversionStateCallback(int32_t oldState, int32_t newState) {
  onConversionStateChanged(oldState, newState);
}

void onConversionStateChanged(int32_t, int32_t) {}

}  // namespace conversion
