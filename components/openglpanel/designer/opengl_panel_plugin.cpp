#include "components/openglpanel/designer/opengl_panel_plugin.h"

#include "components/openglpanel/designer/font_task_menu.h"
#include "components/openglpanel/opengl_panel.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

QString OpenGLPanelPlugin::name() const {
  return QStringLiteral("TOpenGLPanel");
}
QString OpenGLPanelPlugin::group() const {
  return QStringLiteral("OpenGL_DP");
}
QString OpenGLPanelPlugin::toolTip() const {
  return QStringLiteral("OpenGL panel");
}
QString OpenGLPanelPlugin::whatsThis() const {
  return QStringLiteral("A panel that owns an OpenGL context and calls OnInit and OnPaint");
}
QString OpenGLPanelPlugin::includeFile() const {
  return QStringLiteral("components/openglpanel/opengl_panel.h");
}
QIcon OpenGLPanelPlugin::icon() const {
  return {};
}
// Its in-window panels are placed on it.
bool OpenGLPanelPlugin::isContainer() const {
  return true;
}
QWidget* OpenGLPanelPlugin::createWidget(QWidget* parent) {
  return new TOpenGLPanel(parent);
}
bool OpenGLPanelPlugin::isInitialized() const {
  return initialized_;
}

void OpenGLPanelPlugin::initialize(QDesignerFormEditorInterface* core) {
  if (initialized_)
    return;
  core->extensionManager()->registerExtensions(new FontTaskMenuFactory(core->extensionManager()),
                                               Q_TYPEID(QDesignerTaskMenuExtension));
  initialized_ = true;
}

QString OpenGLPanelPlugin::domXml() const {
  return QStringLiteral(
      "<ui language=\"c++\"><widget class=\"TOpenGLPanel\" name=\"OpenGLPanel1\">"
      "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>400</width>"
      "<height>400</height></rect></property></widget></ui>");
}
