#include "framework/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace framework {
namespace {
MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

void Show(QMessageBox::Icon icon, const QString& text) {
  if (Sink()) {
    Sink()(text);
    return;
  }
  QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
}  // namespace

void ShowMessage(const QString& text) {
  Show(QMessageBox::NoIcon, text);
}

void ShowErrorMessage(const QString& text) {
  Show(QMessageBox::Critical, text);
}

void SetMessageSink(MessageSink sink) {
  Sink() = std::move(sink);
}

}  // namespace framework
