#pragma once
// Modal message boxes, with a way for tests to capture the texts instead.

#include <QString>

#include <functional>

namespace framework {

// A modal box with an OK button; returns when it is closed.
void ShowMessage(const QString& text);

// While a sink is set, ShowMessage hands it the text and shows nothing.
using MessageSink = std::function<void(const QString&)>;
void SetMessageSink(MessageSink sink);

}  // namespace framework
