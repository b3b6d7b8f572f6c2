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

class FakePanel : public TOpenGLPanel {
 public:
  FakePanel() : FakePanel(new FakeGLPlatform) {}

  FakeGLPlatform& fake;

  using TOpenGLPanel::ConstructPalette;
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

  QObject* last_sender = nullptr;

 private:
  explicit FakePanel(FakeGLPlatform* platform)
      : TOpenGLPanel(std::unique_ptr<GLPlatform>(platform)), fake(*platform) {}
};

// Sends message boxes to `log` while alive.
class MessageLog {
 public:
  explicit MessageLog(std::vector<std::string>& log) {
    framework::SetMessageSink(
        [&log](const QString& text) { log.push_back("Message " + text.toStdString()); });
  }
  ~MessageLog() { framework::SetMessageSink(nullptr); }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;
};

// A fake panel whose message boxes are logged. Failures are cleared before the panel
// is destroyed, so its last release shows no box.
class FakePanelTest : public testing::Test {
 protected:
  ~FakePanelTest() override { panel.fake.failures.clear(); }

  FakePanel panel;
  MessageLog messages{panel.fake.log};
};
