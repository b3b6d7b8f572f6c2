#pragma once
// The panel's task menu in Qt Designer: "Edit Font3D_Type..." and "Edit Font2D_Type...",
// each running OpenGLFontProperyEditor on that property of the selected panel.

#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

class TOpenGLPanel;

class FontTaskMenu : public QObject, public QDesignerTaskMenuExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerTaskMenuExtension)

 public:
  FontTaskMenu(TOpenGLPanel* panel, QObject* parent);
  QList<QAction*> taskActions() const override;

 private:
  void EditFont(const char* property);

  TOpenGLPanel* panel_;
  QList<QAction*> actions_;
};

class FontTaskMenuFactory : public QExtensionFactory {
  Q_OBJECT

 public:
  using QExtensionFactory::QExtensionFactory;

 protected:
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
