#include "engine.h"

#include <algorithm>
#include <climits>

#include "config.h"
#include "video_window.h"

namespace standin {
namespace {

constexpr char kDefaultDevices[] = "主声音驱动程序;扬声器 (High Definition Audio 设备)";
constexpr char kDefaultRenderers[] =
    "客厅电视;uuid:5f0c7a52-0000-4c1e-8000-00000000a001|"
    "书房音箱;uuid:5f0c7a52-0000-4c1e-8000-00000000a002";
constexpr int64_t kDefaultDiscoveryDelayMs = 500;
constexpr int kRunawayLimit = 1000;

bool isOverlayItem(int32_t item) {
  return item == kOverlayShown || item == kOverlayX || item == kOverlayY || item == kOverlayText;
}

}  // namespace

Engine::Engine(Handle handle, const Callbacks& callbacks)
    : handle_(handle), callbacks_(callbacks), items_{{kEndCode, "0"}, {kDlnaRenderers, ""}, {kDlnaRenderer, ""}} {}

Engine::~Engine() {
  if (window_) DestroyWindow(window_);
}

bool Engine::createWindow(HWND parent, int x, int y, int width, int height) {
  window_ = createVideoWindow(*this, parent, x, y, width, height);
  return window_ != nullptr;
}

// ---- the queue ---------------------------------------------------------------

void Engine::queueReport(std::function<void()> report) {
  steps_.push_back({true, std::move(report)});
  postDeliver(window_);
}

void Engine::queueAction(std::function<void()> action) {
  steps_.push_back({false, std::move(action)});
  postDeliver(window_);
}

void Engine::queueStateReport(int32_t oldState, int32_t newState, std::optional<int32_t> endCode) {
  queueReport([this, oldState, newState, endCode] {
    if (endCode) setEndCode(*endCode);
    notifyState(oldState, newState);
  });
}

void Engine::dropActions() {
  std::erase_if(steps_, [](const Step& step) { return !step.isReport; });
}

bool Engine::runNextStep() {
  if (steps_.empty()) return false;
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step.run();
  return true;
}

void Engine::onDeliverMessage() { runNextStep(); }

int Engine::deliverPending(int maxSteps) {
  int delivered = 0;
  runInWindow(window_, [&] {
    while (delivered < maxSteps && runNextStep()) ++delivered;
  });
  return delivered;
}

// ---- state -------------------------------------------------------------------

void Engine::setState(int32_t newState) {
  const bool wasPlaying = state_ == kPlaying;
  state_ = newState;
  if (window_ && !wasPlaying && newState == kPlaying) {
    lastTick_ = GetTickCount64();
    SetTimer(window_, kClockTimer, kClockTickMs, nullptr);
  } else if (window_ && wasPlaying && newState != kPlaying) {
    KillTimer(window_, kClockTimer);
  }
  repaint(window_);
}

void Engine::notifyState(int32_t oldState, int32_t newState) {
  if (callbacks_.onState) callbacks_.onState(oldState, newState);
}

int32_t Engine::open(const Text& source) {
  if (state_ != kIdle) closeQueued();
  ++generation_;
  medium_.reset();
  positionMs_ = 0;
  setState(kOpening);
  queueStateReport(kIdle, kOpening);
  queueAction([this, source] { completeOpen(source); });
  return 1;
}

void Engine::completeOpen(const Text& source) {
  std::optional<Medium> medium = probeMedium(source);
  if (!medium) return failOpen();
  const uint64_t generation = generation_;
  const Text destination = items_[kConversionFile];
  if (!destination.empty()) {
    // A conversion: the next open plays again.
    items_[kConversionFile] = "";
    if (!convertMedium(*medium, destination)) return failOpen();
    medium_ = medium;
    setState(kPlaying);
    notifyState(kOpening, kPlaying);
    if (generation == generation_) beginNaturalEnd();
    return;
  }
  medium_ = medium;
  if (callbacks_.onOpened) callbacks_.onOpened();
  if (generation != generation_) return;
  setState(kPlaying);
  notifyState(kOpening, kPlaying);
}

void Engine::failOpen() {
  setState(kIdle);
  setEndCode(kEndFailedOpen);
  notifyState(kOpening, kIdle);
}

int32_t Engine::close() {
  if (state_ == kIdle) return 0;
  runInWindow(window_, [this] { closeNow(); });
  return 1;
}

// Inside the window's message handling: what is queued first, then this close.
void Engine::closeNow() {
  const uint64_t generation = ++generation_;
  while (!steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (step.isReport) step.run();
    if (generation != generation_) return;
  }
  const int32_t oldState = state_;
  if (oldState == kIdle) return;
  if (oldState != kClosing) {
    setState(kClosing);
    notifyState(oldState, kClosing);
    if (generation != generation_) return;
  }
  medium_.reset();
  positionMs_ = 0;
  setState(kIdle);
  setEndCode(kEndClosed);
  notifyState(kClosing, kIdle);
}

// An open over an open medium closes it first, reporting in order afterwards.
void Engine::closeQueued() {
  ++generation_;
  dropActions();
  if (state_ != kClosing) queueStateReport(state_, kClosing);
  medium_.reset();
  positionMs_ = 0;
  setState(kIdle);
  queueStateReport(kClosing, kIdle, kEndClosed);
}

int32_t Engine::play() {
  if (state_ != kPaused) return 0;
  setState(kPlaying);
  queueStateReport(kPaused, kPlaying);
  return 1;
}

int32_t Engine::pause() {
  if (state_ != kPlaying) return 0;
  setState(kPaused);
  queueStateReport(kPlaying, kPaused);
  return 1;
}

int32_t Engine::setPosition(int32_t milliseconds) {
  if (!medium_ || (state_ != kPlaying && state_ != kPaused)) return 0;
  const int64_t end = medium_->live ? INT_MAX : medium_->durationMs;
  positionMs_ = std::clamp<int64_t>(milliseconds, 0, end);
  repaint(window_);
  return 1;
}

// ---- the clock ---------------------------------------------------------------

void Engine::advance(int64_t milliseconds) {
  if (state_ != kPlaying || !medium_) return;
  positionMs_ += std::max<int64_t>(milliseconds, 0);
  if (!medium_->live && positionMs_ >= medium_->durationMs) {
    positionMs_ = medium_->durationMs;
    beginNaturalEnd();
  }
  repaint(window_);
}

// 5 -> 6 at once; 6 -> 0 with item 7 = 0 as the next step, unless a close
// comes first.
void Engine::beginNaturalEnd() {
  setState(kClosing);
  queueStateReport(kPlaying, kClosing);
  queueAction([this] {
    medium_.reset();
    positionMs_ = 0;
    setState(kIdle);
    setEndCode(kEndNatural);
    notifyState(kClosing, kIdle);
  });
}

void Engine::onClockTick() {
  const uint64_t now = GetTickCount64();
  const int64_t elapsed = static_cast<int64_t>(now - lastTick_);
  lastTick_ = now;
  animationMs_ += elapsed;
  if (!manualClock()) {
    advance(elapsed);
  } else {
    repaint(window_);
  }
}

void Engine::advanceClock(int64_t milliseconds) {
  runInWindow(window_, [&] { advance(milliseconds); });
  deliverPending(kRunawayLimit);
}

// ---- what a test fires -------------------------------------------------------

void Engine::fireStateChange(int32_t oldState, int32_t newState) {
  setState(newState);
  queueStateReport(oldState, newState);
  deliverPending(kRunawayLimit);
}

void Engine::fireOpened() {
  queueReport([this] {
    if (callbacks_.onOpened) callbacks_.onOpened();
  });
  deliverPending(kRunawayLimit);
}

void Engine::fireMessage(int32_t message, int32_t wParam, int32_t lParam) {
  queueReport([this, message, wParam, lParam] {
    if (callbacks_.onMessage) callbacks_.onMessage(message, wParam, lParam);
  });
  deliverPending(kRunawayLimit);
}

void Engine::forwardInput(UINT message, WPARAM wParam, LPARAM lParam) {
  // The message's own 32-bit values; a key release keeps bit 31, so lParam is
  // negative then.
  if (callbacks_.onMessage) {
    callbacks_.onMessage(static_cast<int32_t>(message),
                         static_cast<int32_t>(static_cast<uint32_t>(wParam)),
                         static_cast<int32_t>(static_cast<uint32_t>(lParam)));
  }
}

// ---- measurements ------------------------------------------------------------

int32_t Engine::duration() const {
  return medium_ ? static_cast<int32_t>(std::min<int64_t>(medium_->durationMs, INT_MAX)) : 0;
}

int32_t Engine::position() const {
  return static_cast<int32_t>(std::min<int64_t>(positionMs_, INT_MAX));
}

int32_t Engine::videoWidth() const { return medium_ ? medium_->width : 0; }

int32_t Engine::videoHeight() const { return medium_ ? medium_->height : 0; }

int32_t Engine::setVolume(int32_t volume) {
  volume_ = volume;
  return 1;
}

int32_t Engine::setLogo(HBITMAP logo) {
  logo_ = logo;
  repaint(window_);
  return 1;
}

// ---- items -------------------------------------------------------------------

const char* Engine::config(int32_t item) {
  switch (item) {
    case kAudioDevices:
      returnedText_ = configValue("devices", kDefaultDevices);
      break;
    case kFrameRate:
      returnedText_ = (state_ == kPlaying && medium_) ? medium_->frameRate : Text("0.00");
      break;
    case kOverlayAvailable:
      returnedText_ = configValue("overlay", "1");
      break;
    default: {
      auto found = items_.find(item);
      if (found == items_.end()) return nullptr;
      returnedText_ = found->second;
    }
  }
  return returnedText_.c_str();
}

int32_t Engine::setConfig(int32_t item, const Text& value) {
  items_[item] = value;
  if (isOverlayItem(item)) repaint(window_);
  if (item == kDlnaDiscover && value == "1") {
    discoveryStarted_ = true;
    startDiscovery();
  }
  if (item == kDlnaRefresh && value == "1" && discoveryStarted_) startDiscovery();
  return 1;
}

// The list the host finds in 1802 after a short delay; until then the list
// found before stays.
void Engine::startDiscovery() {
  if (!window_) return onDiscoveryDone();
  const int64_t delay = configNumber("discoveryDelay", kDefaultDiscoveryDelayMs);
  SetTimer(window_, kDiscoveryTimer, static_cast<UINT>(std::clamp<int64_t>(delay, 0, 60000)), nullptr);
}

void Engine::onDiscoveryDone() {
  if (window_) KillTimer(window_, kDiscoveryTimer);
  Text lines;
  for (const Text& renderer : splitAt(configValue("renderers", kDefaultRenderers), '|')) {
    if (!lines.empty()) lines += "\r\n";
    lines += renderer;
  }
  items_[kDlnaRenderers] = lines;
}

// ---- the picture -------------------------------------------------------------

Picture Engine::picture() const {
  Picture picture;
  picture.state = state_;
  picture.logo = logo_;
  if (medium_) {
    picture.hasMedium = true;
    picture.mediumName = medium_->name;
    picture.durationMs = medium_->durationMs;
    picture.live = medium_->live;
    picture.hasVideo = medium_->width > 0;
  }
  picture.positionMs = positionMs_;
  picture.animationMs = animationMs_;
  auto item = [this](int32_t number) {
    auto found = items_.find(number);
    return found == items_.end() ? Text() : found->second;
  };
  picture.overlayShown = item(kOverlayShown) == "1";
  picture.overlayX = std::atoi(item(kOverlayX).c_str());
  picture.overlayY = std::atoi(item(kOverlayY).c_str());
  picture.overlayText = item(kOverlayText);
  return picture;
}

}  // namespace standin
