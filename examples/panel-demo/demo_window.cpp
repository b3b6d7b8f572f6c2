#include "examples/panel-demo/demo_window.h"

#include "components/openglpanel/opengl_panel.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

DemoWindow::DemoWindow(const std::string& textureFile)
    : panel_(new TOpenGLPanel(this)), scene_(textureFile) {
  setWindowTitle(QStringLiteral("Demostración de TOpenGLPanel"));
  panel_->setFixedSize(400, 400);
  // The panel's own fonts are built when its window is created, before OnInit.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(13);
  panel_->SetFont(font);
  panel_->SetFont3DType(font);
  panel_->setProperty("Font2D_Enabled", true);
  panel_->setProperty("Font3D_Enabled", true);
  panel_->setProperty("Font3D_Extrustion", 0.2f);
  panel_->setProperty("Font3D_MaxDeviation", 0.01f);
  connect(panel_, &TOpenGLPanel::OnInit, this, [this] { scene_.Init(*panel_); });
  connect(panel_, &TOpenGLPanel::OnPaint, this, [this] { scene_.Paint(*panel_); });

  auto* save = new QPushButton(QStringLiteral("&Guardar imagen..."));
  auto* print = new QPushButton(QStringLiteral("&Imprimir..."));
  connect(save, &QPushButton::clicked, this, &DemoWindow::SaveClick);
  connect(print, &QPushButton::clicked, this, &DemoWindow::PrintClick);
  auto* depth =
      new QLabel(QStringLiteral("Pantalla: %1 bits por píxel").arg(TOpenGLPanel::GetDisplayBPP()));

  auto* controls = new QVBoxLayout;
  controls->addWidget(save);
  controls->addWidget(print);
  controls->addWidget(depth);
  controls->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(panel_);
  layout->addLayout(controls);
  setFocusPolicy(Qt::StrongFocus);
}

void DemoWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right)
    return QWidget::keyPressEvent(event);
  scene_.Turn(event->key() == Qt::Key_Left ? -10 : 10);
  panel_->repaint();
}

// A file error escapes to the application object, which shows it.
void DemoWindow::SaveClick() {
  const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar imagen"),
                                                    QStringLiteral("panel.bmp"),
                                                    QStringLiteral("Mapas de bits (*.bmp)"));
  if (!name.isEmpty())
    panel_->SaveOpenGLPanelToFile(name);
}

// Without a printer the dialog offers printing to a PDF file.
void DemoWindow::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted)
    panel_->PrintOpenGLPanel(printer);
}
