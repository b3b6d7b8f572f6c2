#include "shell/run_tools.h"

#include <QAction>
#include <QDate>
#include <QIODevice>
#include <QImage>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "components/openglpanel/opengl_panel.h"
#include "framework/messages.h"
#include "record/history.h"
#include "shell/save_files.h"
#include "shell/scene_form.h"

namespace shell {

RunTools::RunTools(SceneForm& form, TOpenGLPanel& panel, const record::History& history,
                   const QString& program, RunToolItems items, std::vector<Plot> plots)
    : QObject(&form),
      form_(form),
      panel_(panel),
      history_(history),
      program_(program),
      strip_(new GraphsStrip(history, std::move(plots), form.centralWidget())),
      client_height_(form.centralWidget()->height()),
      // The panel may reach below the window's edge, which hid its last rows; as a
      // window of its own it would also hide the strip's.
      strip_top_(std::max(client_height_, panel.geometry().bottom() + 1)) {
  strip_->setGeometry(0, strip_top_, form.centralWidget()->width(), GraphsStrip::StripHeight);
  strip_->hide();
  connect(&form, &SceneForm::FramePresented, strip_, &GraphsStrip::Follow);
  connect(items.graphs, &QAction::toggled, this, &RunTools::ShowGraphs);
  connect(items.export_data, &QAction::triggered, this, &RunTools::ExportData);
  connect(items.save_image, &QAction::triggered, this, &RunTools::SaveImage);
}

void RunTools::ShowGraphs(bool shown) {
  const QRect frame = form_.frameGeometry();
  const int grown =
      shown ? strip_top_ + GraphsStrip::StripHeight - form_.centralWidget()->height() : 0;
  form_.SetClientHeight(shown ? strip_top_ + GraphsStrip::StripHeight : client_height_);
  strip_->setVisible(shown);
  // On a short screen (a laptop's 768 rows) the window moves up to keep the time axis in view.
  const QRect screen = form_.screen()->availableGeometry();
  const int overflow = frame.bottom() + grown - screen.bottom();
  if (overflow > 0)
    form_.move(frame.left(), std::max(screen.top(), frame.top() - overflow));
}

QString RunTools::Suggested(const char* suffix) const {
  return QString("%1-%2.%3").arg(program_, QDate::currentDate().toString(Qt::ISODate), suffix);
}

void RunTools::ExportData() {
  const QString name =
      AskSaveName(&form_, tr("Exportar datos"), tr("Datos CSV (*.csv)"), Suggested("csv"));
  if (!name.isEmpty())
    ExportTo(name);
}

void RunTools::ExportTo(const QString& path) {
  const bool saved = SaveWhole(path, [this](QIODevice& file) {
    std::ostringstream text;
    record::WriteCsv(text, history_);
    const std::string bytes = std::move(text).str();
    return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
  });
  if (!saved || history_.Added() == history_.Size())
    return;
  const std::size_t t = history_.Column("t");
  const double kept = history_.Row(history_.Size() - 1)[t] - history_.Row(0)[t];
  framework::ShowMessage(tr("La corrida duró más de lo que el programa guarda: el archivo "
                            "tiene sus últimos %1 minutos.")
                             .arg(std::lround(kept / 60.0)));
}

void RunTools::SaveImage() {
  const QString name =
      AskSaveName(&form_, tr("Guardar imagen"), tr("Imágenes PNG (*.png)"), Suggested("png"));
  if (name.isEmpty())
    return;
  const QImage picture = panel_.Capture();
  SaveWhole(name, [&picture](QIODevice& file) { return picture.save(&file, "PNG"); });
}

}  // namespace shell
