// The Designer plugin as Designer meets it: loaded from its file, found in the
// "OpenGL_DP" group, and placing a panel on a form.
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

TEST(OpenGLPanelPlugin, LoadsAndCreatesAPanelInItsGroup) {
  QPluginLoader loader(QStringLiteral(PLUGIN_FILE));
  auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
  ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
  EXPECT_EQ(plugin->group(), QStringLiteral("OpenGL_DP"));
  EXPECT_EQ(plugin->name(), QStringLiteral("TOpenGLPanel"));  // the class a form names
  QWidget form;
  // The plugin holds its own copy of the panel's code, so the type is checked by name.
  const QWidget* panel = plugin->createWidget(&form);
  EXPECT_STREQ(panel != nullptr ? panel->metaObject()->className() : "", "TOpenGLPanel");
}
