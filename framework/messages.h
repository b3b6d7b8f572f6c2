#pragma once
// Modal message boxes, with a way for tests to capture the texts instead.

#include <QString>

#include <functional>

namespace framework {

// A modal box with an OK button; returns when it is closed.
void ShowMessage(const QString& text);

// The same, styled as an error; used for exceptions reaching the application.
void ShowErrorMessage(const QString& text);

// While a sink is set, ShowMessage and ShowErrorMessage hand it the text and show nothing.
using MessageSink = std::function<void(const QString&)>;
void SetMessageSink(MessageSink sink);

}  // namespace framework
