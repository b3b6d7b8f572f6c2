#pragma once
// What a window offers besides the scene, behind three menu items: the graphs
// strip under the window's content, the run's history saved as CSV and the
// panel's picture saved as PNG.

#include <QObject>
#include <QString>

#include <vector>

#include "shell/graphs_strip.h"

class QAction;
class TOpenGLPanel;

namespace shell {

class SceneForm;

struct RunToolItems {
  QAction* graphs;  // checkable: shows the strip
  QAction* export_data;
  QAction* save_image;
};

class RunTools : public QObject {
  Q_OBJECT

 public:
  // Lives as long as `form`; `program` starts the names suggested for the files.
  RunTools(SceneForm& form, TOpenGLPanel& panel, const record::History& history,
           const QString& program, RunToolItems items, std::vector<Plot> plots);

  // The strip shown under the content, the window grown to hold it, or both back.
  void ShowGraphs(bool shown);
  void ExportData();
  // The history as CSV, saying so when the run was longer than what is kept.
  void ExportTo(const QString& path);
  void SaveImage();

 private:
  // "program-date.suffix", in the dialog's folder.
  QString Suggested(const char* suffix) const;

  SceneForm& form_;
  TOpenGLPanel& panel_;
  const record::History& history_;
  const QString program_;
  GraphsStrip* strip_;
  const int client_height_;  // without the strip
  const int strip_top_;
};

}  // namespace shell
