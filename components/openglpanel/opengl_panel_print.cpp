// TOpenGLPanel: printing what the panel shows, and saving it as a bitmap file.
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/panel_file_error.h"
#include "components/openglpanel/print_layout.h"
#include "framework/messages.h"

#include <QImageWriter>
#include <QPainter>
#include <QPrinter>

#include <GL/gl.h>

QImage TOpenGLPanel::Capture() {
  if (width() <= 0 || height() <= 0)
    return {};
  const qreal ratio = devicePixelRatioF();
  QImage drawing(size() * ratio, QImage::Format_RGBA8888);
  drawing.fill(Qt::black);  // what shows where nothing is drawn
  FCapture = &drawing;
  repaint();
  FCapture = nullptr;
  QImage image = drawing.mirrored().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  // As the window shows it: child widgets over the drawing are part of the picture.
  QPainter painter(&image);
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child != FContainer && child->isVisible())
      child->render(&painter, child->pos());
  return image;
}

// With the context current, right after the paint drew and before it is swapped away.
void TOpenGLPanel::ReadDrawing(QImage& drawing) {
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, drawing.width(), drawing.height(), GL_RGBA, GL_UNSIGNED_BYTE, drawing.bits());
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
