// TOpenGLPanel: printing what the panel shows, and saving it as a bitmap file.
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/panel_file_error.h"
#include "components/openglpanel/print_layout.h"
#include "framework/messages.h"

#include <QImageWriter>
#include <QPainter>
#include <QPrinter>

QImage TOpenGLPanel::Capture() {
  raise();
  repaint();
  // As the window shows it: child widgets over the drawing are part of the picture.
  return grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TOpenGLPanel::PrintOpenGLPanel(QPrinter& printer) {
  const QImage image = Capture();
  const PrintPlacement place =
      PlacePrintedImage(FPrintScale, width(), height(), printer.logicalDpiX(),
                        printer.logicalDpiY(), printer.width(), printer.height(), FPixelsPerInch);
  if (image.isNull()) {
    framework::ShowMessage(QStringLiteral("Print: Malloc Error"));
    return;
  }
  QPainter page;
  if (!page.begin(&printer))  // starts the job
    return;
  page.drawImage(QRect(place.left, place.top, place.right - place.left, place.bottom - place.top),
                 image);
  page.end();
}

void TOpenGLPanel::SaveOpenGLPanelToFile(const QString& fileName) {
  const QImage image = Capture();
  QImageWriter writer(fileName, "bmp");
  if (!writer.write(image))
    throw PanelFileError(fileName, writer.errorString());
}
