#pragma once
// Saving a file the user names: our own save dialog, and a write that either
// replaces the file whole or leaves what was there, telling the user why.

#include <QString>

#include <functional>

class QIODevice;
class QWidget;

namespace shell {

// The file named in a modal save dialog titled `title`, offering `suggested` in the
// current folder; empty when cancelled. Qt's own dialog, not the platform's: it
// speaks the program's language and is modal on every desktop.
QString AskSaveName(QWidget* parent, const QString& title, const QString& filter,
                    const QString& suggested);

// Writes `path` through `write` (false: it failed) and replaces the file only when
// all of it was written. A failure shows an error naming the file and the reason;
// returns whether the file was saved.
bool SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write);

}  // namespace shell
