#pragma once
// A picture file the panel could not write. Like the framework's errors it reaches the
// caller as a std::runtime_error and the application shows it in its error box.

#include <QString>

#include <stdexcept>

class PanelFileError : public std::runtime_error {
 public:
  PanelFileError(const QString& fileName, const QString& reason)
      : std::runtime_error(
            QStringLiteral("No se pudo guardar «%1»: %2").arg(fileName, reason).toStdString()) {}
};
