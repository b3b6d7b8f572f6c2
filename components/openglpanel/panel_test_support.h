#pragma once
// A panel on the fake platform whose message boxes and events go into the fake's log,
// so tests can check the whole sequence of calls, boxes and events.

#include "components/openglpanel/fake_gl_platform.h"
#include "components/openglpanel/opengl_panel.h"
#include "framework/messages.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using Log = std::vector<std::string>;

class FakePanel : public TOpenGLPanel {
 public:
  FakePanel() : FakePanel(new FakeGLPlatform) {}

  FakeGLPlatform& fake;
  QObject* last_sender = nullptr;

  using TOpenGLPanel::CreateParams;
  using TOpenGLPanel::Paint;
  using TOpenGLPanel::Resize;
  using TOpenGLPanel::TMessage;
  using TOpenGLPanel::WMCreate;
  using TOpenGLPanel::WMDestroy;
  using TOpenGLPanel::WMPaletteChanged;
  using TOpenGLPanel::WMQueryNewPalette;

  // Each bound event logs its name and whether the fake's context was current.
  template <typename Signal>
  void Bind(Signal signal, const std::string& name) {
    QObject::connect(this, signal, [this, name](QObject* sender) {
      fake.log.push_back(name + (fake.current == FakeGLPlatform::kContext ? " current" : ""));
      last_sender = sender;
    });
  }

 private:
  explicit FakePanel(FakeGLPlatform* platform)
      : TOpenGLPanel(std::unique_ptr<GLPlatform>(platform)), fake(*platform) {}
};

// A described format that needs the 3-3-2 palette.
inline PIXELFORMATDESCRIPTOR PaletteFormat(int colour_bits = 8) {
  PIXELFORMATDESCRIPTOR pfd;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
  pfd.cColorBits = colour_bits;
  pfd.cRedBits = pfd.cGreenBits = pfd.cGreenShift = 3;
  pfd.cBlueBits = 2;
  pfd.cBlueShift = 6;
  return pfd;
}

// A fake panel whose message boxes go into its log while the test runs. Failures are
// cleared before the panel is destroyed, so its last release shows no box.
class FakePanelTest : public testing::Test {
 protected:
  FakePanelTest() {
    framework::SetMessageSink(
        [this](const QString& text) { panel.fake.log.push_back("Message " + text.toStdString()); });
  }
  ~FakePanelTest() override {
    framework::SetMessageSink(nullptr);
    panel.fake.failures.clear();
  }

  // Creates the context and starts a fresh log.
  void Created() {
    ASSERT_TRUE(panel.CreateGLContext());
    panel.fake.log.clear();
  }

  FakePanel panel;
};
