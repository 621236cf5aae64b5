// The engine binding against the stand-in engine: what each operation hands to
// the engine, read back from the engine's journal.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine-standin/standin_control.h"
#include "engine/player_engine.h"
#include "tests/standin/fixtures.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui.h"

namespace {

using standin::JournalLine;
using Journal = std::vector<JournalLine>;

class EngineBindingTest : public support::TempFolderTest {
 protected:
  void SetUp() override {
    host = fixtures::makeHostWindow();
    standin::clearJournal();
  }
  void TearDown() override { DestroyWindow(host); }

  EngineHandle createEngine() {
    return engine.create(host, 0, 40, 800, 450, fixtures::recordMessage, fixtures::recordState,
                         fixtures::recordOpened, 0, 0, 0, 0, 0);
  }

  // What `work` made the engine do, and nothing before it.
  Journal journalOf(const std::function<void()>& work) {
    standin::clearJournal();
    work();
    return standin::journalLines();
  }

  HWND host = nullptr;
  PlayerEngine engine;
};

// Each operation that reaches the engine, the routine it calls and the
// arguments after the handle.
struct Operation {
  const char* name;
  std::function<void(PlayerEngine&)> call;
  JournalLine routineAndArguments;
};

const std::vector<Operation>& operations() {
  static const std::vector<Operation> all = {
      {"close", [](PlayerEngine& e) { e.close(); }, {"APlayer_Close"}},
      {"getWindow", [](PlayerEngine& e) { e.getWindow(); }, {"APlayer_GetWindow"}},
      {"getBufferProgress", [](PlayerEngine& e) { e.getBufferProgress(); }, {"APlayer_GetBufferProgress"}},
      {"getConfig", [](PlayerEngine& e) { e.getConfig(1803); }, {"APlayer_GetConfigA", "1803"}},
      {"setConfig", [](PlayerEngine& e) { e.setConfig(11, "扬声器"); }, {"APlayer_SetConfigA", "11", "扬声器"}},
      {"getDuration", [](PlayerEngine& e) { e.getDuration(); }, {"APlayer_GetDuration"}},
      {"getPosition", [](PlayerEngine& e) { e.getPosition(); }, {"APlayer_GetPosition"}},
      {"getState", [](PlayerEngine& e) { e.getState(); }, {"APlayer_GetState"}},
      {"getVersion", [](PlayerEngine& e) { e.getVersion(); }, {"APlayer_GetVersion"}},
      {"getVideoHeight", [](PlayerEngine& e) { e.getVideoHeight(); }, {"APlayer_GetVideoHeight"}},
      {"getVideoWidth", [](PlayerEngine& e) { e.getVideoWidth(); }, {"APlayer_GetVideoWidth"}},
      {"getVolume", [](PlayerEngine& e) { e.getVolume(); }, {"APlayer_GetVolume"}},
      {"setVolume", [](PlayerEngine& e) { e.setVolume(-7); }, {"APlayer_SetVolume", "-7"}},
      {"isSeeking", [](PlayerEngine& e) { e.isSeeking(); }, {"APlayer_IsSeeking"}},
      {"setPosition", [](PlayerEngine& e) { e.setPosition(15000); }, {"APlayer_SetPosition", "15000"}},
      {"open", [](PlayerEngine& e) { e.open("D:\\媒体\\clip.mp4"); }, {"APlayer_OpenA", "D:\\媒体\\clip.mp4"}},
      {"pause", [](PlayerEngine& e) { e.pause(); }, {"APlayer_Pause"}},
      {"play", [](PlayerEngine& e) { e.play(); }, {"APlayer_Play"}},
      {"setCustomLogo", [](PlayerEngine& e) { e.setCustomLogo("no such.bmp"); }, {"APlayer_SetCustomLogo", "0"}},
      {"hideOverlayText", [](PlayerEngine& e) { e.hideOverlayText(); }, {"APlayer_SetConfigA", "602", "0"}},
      {"destroy", [](PlayerEngine& e) { e.destroy(); }, {"APlayer_Destroy"}},
  };
  return all;
}

void expectEveryOperationPasses(EngineHandle handle, PlayerEngine& engine) {
  for (const Operation& operation : operations()) {
    SCOPED_TRACE(operation.name);
    standin::clearJournal();
    operation.call(engine);
    JournalLine expected = operation.routineAndArguments;
    expected.insert(expected.begin() + 1, std::to_string(handle));
    EXPECT_EQ(standin::journalLines(), Journal{expected});
  }
}

TEST_F(EngineBindingTest, BeforeCreateEveryOperationPassesHandleZero) {
  ASSERT_EQ(engineHandle, 0);
  expectEveryOperationPasses(0, engine);
}

TEST_F(EngineBindingTest, AfterAFailedCreateEveryOperationPassesHandleZero) {
  ASSERT_NE(createEngine(), 0);
  standin::setConfig("createFails", "1");
  EXPECT_EQ(createEngine(), 0);
  EXPECT_EQ(engineHandle, 0);
  expectEveryOperationPasses(0, engine);
}

TEST_F(EngineBindingTest, AfterCreateEveryOperationPassesItsHandle) {
  const EngineHandle handle = createEngine();
  ASSERT_NE(handle, 0);
  EXPECT_EQ(engineHandle, handle);
  expectEveryOperationPasses(handle, engine);
  // A clone is the same table over the same handle.
  PlayerEngine* clone = engine.cloneEngineObject();
  ASSERT_NE(clone, &engine);
  EXPECT_EQ(journalOf([&] { clone->getState(); }), (Journal{{"APlayer_GetState", std::to_string(handle)}}));
  delete clone;
}

TEST_F(EngineBindingTest, CreateHandsOnItsThirteenWords) {
  const Journal journal = journalOf([&] {
    engine.create(host, -3, 40, 640, 0, nullptr, fixtures::recordState, fixtures::recordOpened, 0, 0, 0, 0, 0);
  });
  EXPECT_EQ(journal, (Journal{{"APlayer_Create", std::to_string(reinterpret_cast<INT_PTR>(host)), "-3", "40", "640",
                               "0", "0", "1", "1", "0", "0", "0", "0", "0"}}));
}

TEST_F(EngineBindingTest, OperationsWithoutTheEngineCallNothing) {
  createEngine();
  const Journal journal = journalOf([&] {
    engine.finalizeEngineObject();
    engine.reservedMethod();
    delete engine.cloneEngineObject();
    engine.loadBitmapFile("no such.bmp");
  });
  EXPECT_TRUE(journal.empty());
}

TEST_F(EngineBindingTest, EngineTextsAreOwnedCopiesAndNullIsEmpty) {
  createEngine();
  standin::setConfig("devices", "扬声器;耳机");
  const fw::Text devices = engine.getConfig(10);
  engine.getConfig(601);  // the engine reuses its text
  EXPECT_EQ(devices, "扬声器;耳机");
  EXPECT_EQ(engine.getConfig(4321), "") << "the stand-in has no text for an item never set";
  EXPECT_FALSE(engine.getVersion().empty());
}

TEST_F(EngineBindingTest, ShowOverlayTextRefusesUnlessItem601IsExactlyOne) {
  createEngine();
  for (const char* value : {"", "0", " 1", "1 ", "11"}) {
    SCOPED_TRACE(std::string("item 601: '") + value + "'");
    standin::setConfig("overlay", value);
    bool shown = true;
    const Journal journal = journalOf([&] { shown = engine.showOverlayText("提示", 10, 10); });
    EXPECT_FALSE(shown);
    EXPECT_EQ(journal, (Journal{{"APlayer_GetConfigA", std::to_string(engineHandle), "601"}}));
  }
}

TEST_F(EngineBindingTest, ShowOverlayTextSetsShowFlagThenPlaceThenText) {
  const std::string h = std::to_string(createEngine());
  struct Case {
    int32_t x, y;
    const char* xText;
    const char* yText;
  };
  for (const Case& c : {Case{10, 10, "10", "10"}, Case{-4, 0, "-4", "0"}}) {
    bool shown = false;
    const Journal journal = journalOf([&] { shown = engine.showOverlayText("音量：80%", c.x, c.y); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(journal, (Journal{{"APlayer_GetConfigA", h, "601"},
                                {"APlayer_SetConfigA", h, "602", "1"},
                                {"APlayer_SetConfigA", h, "606", c.xText},
                                {"APlayer_SetConfigA", h, "607", c.yText},
                                {"APlayer_SetConfigA", h, "612", "音量：80%"}}));
  }
}

// A 2 x 2, 24-bit Windows bitmap file.
std::string bitmapFile() {
  std::string pixels(16, '\x40');  // two rows of 6 bytes, each padded to 8
  std::string header = "BM";
  fixtures::putLe(header, 54 + 16, 4);
  fixtures::putLe(header, 0, 4);
  fixtures::putLe(header, 54, 4);
  fixtures::putLe(header, 40, 4);
  fixtures::putLe(header, 2, 4);
  fixtures::putLe(header, 2, 4);
  fixtures::putLe(header, 1, 2);
  fixtures::putLe(header, 24, 2);
  fixtures::putLe(header, 0, 4);
  fixtures::putLe(header, 16, 4);
  header += std::string(16, '\0');
  return header + pixels;
}

TEST_F(EngineBindingTest, SetCustomLogoHandsOnANullBitmapWhenTheFileIsNoBitmap) {
  const std::string h = std::to_string(createEngine());
  ASSERT_TRUE(support::writeFile(temp.file("text.bmp"), "not a picture"));
  ASSERT_TRUE(support::writeFile(temp.file("png.bmp"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
  ASSERT_TRUE(support::writeFile(temp.file("logo.bmp"), bitmapFile()));
  for (const char* name : {"missing.bmp", "text.bmp", "png.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(journalOf([&] { engine.setCustomLogo(temp.file(name)); }),
              (Journal{{"APlayer_SetCustomLogo", h, "0"}}));
  }
  const Journal journal = journalOf([&] { engine.setCustomLogo(temp.file("logo.bmp")); });
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_NE(journal[0][2], "0") << "a real bitmap is handed on";
  EXPECT_NE(engine.loadBitmapFile(temp.file("logo.bmp")), nullptr);
}

TEST_F(EngineBindingTest, SetWindowPosMovesTheWindowWithoutTheEngine) {
  createEngine();
  HWND video = engine.getWindow();
  ASSERT_TRUE(IsWindow(video));
  const Journal journal = journalOf([&] { engine.setWindowPos(video, HWND_TOP, 5, 6, 300, 200, SWP_NOACTIVATE); });
  EXPECT_TRUE(journal.empty());
  const RECT rect = support::rectInParent(video);
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 6);
  EXPECT_EQ(rect.right - rect.left, 300);
  EXPECT_EQ(rect.bottom - rect.top, 200);
}

// The engine's callbacks reach the host through the binding's callback types.
TEST_F(EngineBindingTest, CallbacksArriveWithTheirValues) {
  fixtures::events.clear();
  createEngine();
  standin::fireStateChange(engineHandle, 6, 0);
  standin::fireMessage(engineHandle, WM_KEYUP, VK_RIGHT, int32_t(0xC0000001u));
  standin::fireOpened(engineHandle);
  EXPECT_EQ(fixtures::events, (std::vector<std::string>{"state 6 0", "message 257 39 -1073741823", "opened"}));
}

}  // namespace
