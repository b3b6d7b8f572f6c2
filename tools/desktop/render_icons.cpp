// Renders both programs' own window icons at the hicolor theme's sizes, so the
// desktop menu shows the same pictures as the windows:
//   render_icons OUTDIR  ->  OUTDIR/NxN/apps/<desktop id>.png
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <functional>

#include "apps/tamsel/pictures.h"
#include "apps/vorlat/pictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: render_icons OUTDIR\n", stderr);
    return 2;
  }
  const struct {
    const char* id;
    std::function<QPixmap(int)> draw;
  } programs[] = {{"io.github.rigidbodyrotation.Vorlat", vorlat::TopIcon},
                  {"io.github.rigidbodyrotation.Tamsel", tamsel::BlockIcon}};
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(size);
    for (const auto& program : programs) {
      const QString file = folder + '/' + program.id + ".png";
      if (!QDir().mkpath(folder) || !program.draw(size).save(file, "PNG")) {
        std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
  }
  return 0;
}
