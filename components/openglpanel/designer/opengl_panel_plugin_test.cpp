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

  QWidget form;
  // The plugin holds its own copy of the panel's code, so the type is checked by name.
  QWidget* panel = plugin->createWidget(&form);
  ASSERT_NE(panel, nullptr);
  EXPECT_STREQ(panel->metaObject()->className(), "TOpenGLPanel");
  EXPECT_EQ(plugin->name(), QString::fromLatin1(panel->metaObject()->className()));
  EXPECT_EQ(panel->parentWidget(), &form);
}
