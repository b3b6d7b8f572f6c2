#include "shell/form_testing.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <iterator>
#include <random>
#include <sstream>

#include <qcustomplot.h>

#include <QRegularExpression>

#include "components/openglpanel/opengl_panel.h"
#include "framework/language.h"
#include "scene/scene_gl.h"
#include "shell/graphs_strip.h"
#include "testing/pixels.h"

namespace shell::testing {
namespace {

// Software GL under a sanitizer can be slow; a failure still shows in seconds.
constexpr int WaitLimitMs = 30000;

void RunEventStorm(QMainWindow& window, QAction& way_out, unsigned seed, int events) {
  static const Qt::Key Keys[] = {Qt::Key_Left, Qt::Key_Up,    Qt::Key_Right, Qt::Key_Down,
                                 Qt::Key_I,    Qt::Key_O,     Qt::Key_A,     Qt::Key_X,
                                 Qt::Key_0,    Qt::Key_7,     Qt::Key_Space, Qt::Key_Return,
                                 Qt::Key_Tab,  Qt::Key_Escape};
  static const char* const Texts[] = {"abc", "1e99", ",", "", "2.5", "-3", "0,5", "12"};
  std::mt19937 random(seed);
  const auto pick = [&](qsizetype count) {
    return std::uniform_int_distribution<qsizetype>(0, count - 1)(random);
  };
  QWindow* handle = window.windowHandle();
  QMenuBar* bar = window.menuBar();
  const int way_out_key = QKeySequence::mnemonic(way_out.text())[0].key();
  const auto in_menu = [&] { return QApplication::activePopupWidget() || bar->activeAction(); };
  const auto click = [&](QPoint at) {  // the items move as their captions change
    if (!bar->actionGeometry(&way_out).translated(bar->pos()).contains(at))
      QTest::mouseClick(handle, Qt::LeftButton, {}, at);
  };
  for (int event = 0; event < events; ++event) {
    switch (pick(4)) {
      case 0: {
        Qt::Key key = Keys[pick(std::size(Keys))];
        if (in_menu() && (key == Qt::Key_Space || key == Qt::Key_Return))
          key = Qt::Key_Escape;  // either would pick the highlighted item
        QTest::keyEvent(pick(2) ? QTest::Press : QTest::Release, handle, key);
        break;
      }
      case 1:  // Alt and a letter: the menus' access keys among others
        if (const char letter = char('A' + pick(26)); letter != way_out_key)
          QTest::keyClick(handle, letter, Qt::AltModifier);
        break;
      case 2:
        click(QPoint(int(pick(window.width())), int(pick(window.height()))));
        break;
      default: {  // a click on a button or into an edit box, then text typed into it
        QList<QWidget*> targets;
        for (QWidget* widget : window.findChildren<QWidget*>())
          if (widget->isVisible() &&
              (widget->inherits("QAbstractButton") || widget->inherits("QLineEdit")))
            targets << widget;
        if (targets.isEmpty() || in_menu())
          break;
        const QWidget* target = targets[pick(targets.size())];
        click(target->mapTo(&window, target->rect().center()));
        if (!target->inherits("QLineEdit"))
          break;
        QTest::keyClick(handle, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(handle, Qt::Key_Backspace);
        for (const char* c = Texts[pick(std::size(Texts))]; *c; ++c) QTest::keyClick(handle, *c);
      }
    }
  }
  for (int tries = 0; tries < 5 && in_menu(); ++tries) QTest::keyClick(handle, Qt::Key_Escape);
}

// Answers the next save dialog as a user would, once it has the focus: notes its
// title and suggested name in `seen`, writes `path` as its file name and presses Return.
void AnswerSaveDialog(const QString& path, QStringList& seen) {
  QTimer::singleShot(0, [path, &seen] {
    QFileDialog* dialog = nullptr;
    if (!QTest::qWaitFor(
            [&] { return dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); },
            WaitLimitMs))
      return ADD_FAILURE() << "no save dialog";
    // Its transient parent having the focus counts as active: wait for the focus itself.
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog, WaitLimitMs));
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }, WaitLimitMs));
    seen << dialog->windowTitle() + ' ' + QFileInfo(dialog->selectedFiles().value(0)).fileName();
    // Typed, the name would open the completer's list, which takes the Return.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
  });
}

// Every text of the window's widgets and menu items, trimmed, and of its graphs' legends if built.
std::vector<std::string> WindowTexts(const QMainWindow& window) {
  std::vector<std::string> texts{window.windowTitle().toStdString()};
  for (const QObject* object : window.findChildren<QObject*>())
    for (const char* property : {"text", "title", "plainText"})
      if (const QVariant text = object->property(property); text.isValid())
        texts.push_back(text.toString().trimmed().toStdString());
  if (const auto* plot = window.findChild<const QCustomPlot*>())
    for (int graph = 0; graph < plot->graphCount(); ++graph)
      texts.push_back(plot->graph(graph)->name().toStdString());
  return texts;
}

}  // namespace

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window, WaitLimitMs);
}

bool WaitForTicks(const SceneForm& form, int count) {
  QSignalSpy frames(&form, &SceneForm::FramePresented);
  return QTest::qWaitFor([&] { return frames.count() >= count; }, WaitLimitMs);
}

void ExpectLabelsFit(const QMainWindow& window) {
  const QWidget* central = window.centralWidget();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const QRect box = label->contentsRect(), place(label->mapTo(central, QPoint()), label->size());
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | label->alignment();
    const QRect needed = label->fontMetrics().boundingRect(box, flags, label->text());
    EXPECT_TRUE(needed.width() <= box.width() && needed.height() <= box.height() + 1 &&
                central->rect().contains(place))
        << label->objectName().toStdString();
  }
}

void ExpectBothLanguages(SceneForm& form) {
  EXPECT_EQ(form.findChild<QMenu*>("Opcion")->actions().last(),
            form.findChild<QMenu*>("Idioma")->menuAction());
  const QLocale numbers;
  // Numbers, units, symbols and names read the same in both languages, as do the
  // languages' own names; any other run of three letters is a word to translate.
  static const QRegularExpression word(
      "(?<!\\p{Latin})(?!(rad|normal|Reset|Vorlat|Tamsel|Idioma|Language|Español|English)"
      "(?!\\p{Latin}))\\p{Latin}{3,}");
  const auto spanish = WindowTexts(form);
  form.findChild<QAction*>("English")->trigger();
  QCoreApplication::sendPostedEvents();  // the change of language
  const auto english = WindowTexts(form);
  ASSERT_EQ(english.size(), spanish.size());
  for (std::size_t i = 0; i < spanish.size(); ++i) {
    SCOPED_TRACE(spanish[i] + " -> " + english[i]);
    EXPECT_EQ(english[i].empty(), spanish[i].empty());
    EXPECT_TRUE(english[i] != spanish[i] ||
                !QString::fromStdString(spanish[i]).remove('&').contains(word));
  }
  ExpectLabelsFit(form);
  EXPECT_EQ(QLocale(), numbers);
  EXPECT_EQ(framework::SavedLanguage(), framework::Language::English);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");

  form.findChild<QAction*>("Espanol")->trigger();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(WindowTexts(form), spanish);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
}

void ExpectExitBy(SceneForm& form, const std::function<void()>& leave,
                  const std::function<bool()>& scene_exists) {
  ASSERT_TRUE(scene_exists());
  QTimer::singleShot(0, &form, leave);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(scene_exists());
  const float yaw = form.ViewCamera().ViewYaw;
  QTest::keyPress(&form, Qt::Key_Left);
  form.Pacer().SetPaced(false);  // each of these ticks would present a frame
  for (int i = 0; i < 3; ++i) form.AnimTimer1Timer();
  EXPECT_EQ(form.ViewCamera().ViewYaw, yaw);
  form.repaint();
  EXPECT_FALSE(scene_exists());
}

void ExpectToOutliveAStorm(SceneForm& form, unsigned seed,
                           const std::function<bool()>& scene_exists) {
  QAction* salir = form.findChild<QAction*>("Salir");
  RunEventStorm(form, *salir, seed, 300);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(scene_exists());
  QSignalSpy paints(form.findChild<QObject*>("OpenGLPanel1"), SIGNAL(OnPaint(QObject*)));
  ASSERT_TRUE(WaitForTicks(form, 3));
  EXPECT_GE(paints.count(), 3);
  const QPoint at = form.menuBar()->actionGeometry(salir).center();
  ExpectExitBy(
      form, [&] { QTest::mouseClick(form.menuBar(), Qt::LeftButton, {}, at); }, scene_exists);
}

void ExpectRunTools(SceneForm& form, const record::History& history, const QString& program) {
  const QList<QAction*> options = form.findChild<QMenu*>("Opcion")->actions();
  const auto items = options.mid(options.indexOf(form.findChild<QAction*>("Graficas")) - 1, 5);
  EXPECT_TRUE(items[0]->isSeparator());
  EXPECT_TRUE(items[4]->isCheckable() && !items[4]->isChecked());
  // The window grows to hold the strip under every control.
  QWidget* client = form.centralWidget();
  const QSize size = form.size(), client_size = client->size();
  items[1]->trigger();
  const QWidget* strip = form.findChild<GraphsStrip*>();
  EXPECT_EQ(client->size(), QSize(size.width(), strip->geometry().bottom() + 1));
  EXPECT_EQ(form.size() - size, client->size() - client_size);
  for (const QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_FALSE(control != strip && control->isVisible() &&
                 control->geometry().intersects(strip->geometry()))
        << control->objectName().toStdString();
  items[1]->trigger();
  EXPECT_EQ(form.size(), size);
  // Low on the screen, it moves up to show the strip whole.
  const QRect screen = form.screen()->availableGeometry();
  form.move(form.x(), screen.bottom() - form.frameGeometry().height());
  items[1]->trigger();
  EXPECT_LE(form.frameGeometry().bottom(), screen.bottom());
  items[1]->trigger();

  // Both files through their own dialogs, which never end the program.
  QSignalSpy deactivated(&form, &MainForm::Deactivated);
  const QTemporaryDir folder;
  const QString csv = folder.filePath("datos.csv"), png = folder.filePath("imagen.png");
  QStringList seen;
  for (const auto& [item, path] : {std::pair{items[2], csv}, {items[3], png}}) {
    AnswerSaveDialog(path, seen);
    item->trigger();
  }
  const QString name = program + '-' + QDate::currentDate().toString(Qt::ISODate);
  EXPECT_EQ(seen,
            QStringList({"Exportar datos " + name + ".csv", "Guardar imagen " + name + ".png"}));
  EXPECT_EQ(deactivated.count(), 0);
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::ostringstream written;
  record::WriteCsv(written, history);
  EXPECT_EQ(file.readAll().toStdString(), written.str());
  EXPECT_EQ(QImage(png).size(), form.findChild<QWidget*>("OpenGLPanel1")->size());

  // The arrows and the legend in the drawing's corner, a line in each colour, Greek
  // letters too, while the item is checked.
  for (bool checked : {true, false}) {
    items[4]->trigger();
    const QImage drawing = form.findChild<TOpenGLPanel*>("OpenGLPanel1")->Capture();
    for (const float* rgb : {scene::MomentumColour, scene::VelocityColour}) {
      const QColor colour = QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
      EXPECT_EQ(testkit::CountPixels(drawing, colour, 60, {18, 0, 16, 40}) > 5, checked);
      EXPECT_EQ(testkit::CountPixels(drawing, colour, 60, {150, 0, 250, 400}) > 40, checked);
    }
  }
}

void ExpectTimeTools(SceneForm& form, const record::History& history,
                     const std::function<std::uint32_t()>& slowdown,
                     const std::function<math3d::Integrator()>& integrator) {
  const QMenu* speeds = form.findChild<QMenu*>("Lenta");
  QAction* step = form.findChild<QAction*>("Paso");
  QAction* exact = form.findChild<QAction*>("Exacta");
  EXPECT_EQ(form.findChild<QMenu*>("Opcion")->actions().last(4).first(3),  // then the language
            QList<QAction*>({speeds->menuAction(), step, exact}));
  EXPECT_TRUE(speeds->actions()[0]->isChecked() && slowdown() == 1);
  EXPECT_TRUE(exact->isCheckable() && !exact->isChecked());
  EXPECT_EQ(integrator(), math3d::Integrator::Scheme);
  std::string steps;  // after each command, whether the step is on; the rows it added
  for (const char* keys : {"OC4", "C", "OX", "P", "OP", "R"}) {
    const std::size_t rows = history.Added();
    QTest::keyClick(form.windowHandle(), *keys, Qt::AltModifier);  // the others into the menus
    for (const char* key = keys + 1; *key; ++key)
      QTest::keyClick(QApplication::activePopupWidget(), *key);
    steps += step->isEnabled() ? 'P' : '-';
    if (keys[1] == 'P')
      steps += std::to_string(history.Added() - rows);
    ASSERT_TRUE(WaitForTicks(form, 1));  // a running frame starts the history
  }
  EXPECT_EQ(steps, "P--PP1P");
  EXPECT_EQ(slowdown(), 4u);
  EXPECT_TRUE(speeds->actions()[2]->isChecked());
  EXPECT_TRUE(exact->isChecked());
  EXPECT_EQ(integrator(), math3d::Integrator::Exact);
}

}  // namespace shell::testing
