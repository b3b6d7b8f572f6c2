#include "shell/save_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "framework/messages.h"

namespace shell {
namespace {

// Why a file could not be created there. The system's own texts would be in English.
QString OpenFailure(const QFileInfo& file) {
  if (file.isDir())
    return QCoreApplication::translate("shell::SaveFiles", "ese nombre es el de una carpeta");
  if (!file.dir().exists())
    return QCoreApplication::translate("shell::SaveFiles", "la carpeta «%1» no existe")
        .arg(QDir::toNativeSeparators(file.path()));
  return QCoreApplication::translate("shell::SaveFiles", "no se puede escribir en esa carpeta");
}

}  // namespace

QString AskSaveName(QWidget* parent, const QString& title, const QString& filter,
                    const QString& suggested) {
  QFileDialog dialog(parent, title, suggested, filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().first();
}

bool SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(path);
  QString reason;
  if (!file.open(QIODevice::WriteOnly))
    reason = OpenFailure(QFileInfo(path));
  else if (!write(file) || !file.commit())
    reason = QCoreApplication::translate(
        "shell::SaveFiles", "no se pudo escribir completo (¿falta espacio en el disco?)");
  if (reason.isEmpty())
    return true;
  framework::ShowErrorMessage(
      QCoreApplication::translate("shell::SaveFiles", "No se pudo guardar el archivo «%1»: %2.")
          .arg(QDir::toNativeSeparators(path), reason));
  return false;
}

}  // namespace shell
