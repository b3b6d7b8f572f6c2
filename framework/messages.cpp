#include "framework/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace framework {
namespace {
MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}
}  // namespace

void ShowMessage(const QString& text) {
  if (Sink()) {
    Sink()(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

}  // namespace framework
