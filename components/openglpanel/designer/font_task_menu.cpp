#include "components/openglpanel/designer/font_task_menu.h"

#include "components/openglpanel/font_property_editor.h"
#include "components/openglpanel/opengl_panel.h"

#include <QAction>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

FontTaskMenu::FontTaskMenu(TOpenGLPanel* panel, QObject* parent) : QObject(parent), panel_(panel) {
  for (const char* property : {"Font3D_Type", "Font2D_Type"}) {
    auto* action = new QAction(QStringLiteral("Edit %1...").arg(QLatin1String(property)), this);
    connect(action, &QAction::triggered, this, [this, property] { EditFont(property); });
    actions_.append(action);
  }
}

QList<QAction*> FontTaskMenu::taskActions() const {
  return actions_;
}

void FontTaskMenu::EditFont(const char* property) {
  QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(panel_);
  if (form == nullptr)
    return;
  const QString name = QLatin1String(property);
  OpenGLFontProperyEditor([this, property] { return panel_->property(property).value<QFont>(); },
                          // Through the form's cursor the change reaches the property editor and
                          // the undo stack, and the form is marked modified.
                          [this, form, name](const QFont& font) {
                            form->cursor()->setWidgetProperty(panel_, name, font);
                          })
      .Edit();
}

QObject* FontTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                              QObject* parent) const {
  auto* panel = qobject_cast<TOpenGLPanel*>(object);
  if (panel == nullptr || iid != Q_TYPEID(QDesignerTaskMenuExtension))
    return nullptr;
  return new FontTaskMenu(panel, parent);
}
