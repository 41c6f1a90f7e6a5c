// The about window: its fixed layout and texts, the links, the computer's facts and the command
// that shows it.
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <sys/utsname.h>

#include <fstream>
#include <sstream>

#include "app/TForm3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/UrlRecorder.h"
#include "widgets/CollapsibleBarItem.h"

namespace app_tests {
namespace {

class AboutWindowTest : public MainWindowTest {
 protected:
  // The compiled-in producer's address, as the person's machine has it.
  AboutWindowTest() {
    qunsetenv("KORVAND_PRODUCER_URL");
    about_ = std::make_unique<app::TForm3>();
  }

  template <class T>
  T* AboutControl(const char* name) const {
    T* control = about_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLabel* Label(const char* name) const { return AboutControl<QLabel>(name); }

  static void Click(QWidget* target) {
    const QPointF inside(2, 2);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, target->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(target, &release);
  }

  std::unique_ptr<app::TForm3> about_;
};

TEST_F(AboutWindowTest, TheControlsSitWhereTheyBelongWithTheirTexts) {
  EXPECT_EQ(about_->size(), QSize(440, 317));
  EXPECT_EQ(about_->minimumSize(), about_->maximumSize());
  EXPECT_TRUE(about_->windowTitle().isEmpty());

  const struct {
    const char* name;
    QRect geometry;  // a zero width or height is not checked
    const char* text;
  } controls[] = {
      {"MainPanel", QRect(0, 0, 440, 317), nullptr},
      {"pnlImage", QRect(6, 10, 139, 251), nullptr},
      {"imgStarfield", QRect(1, 1, 137, 249), nullptr},
      {"lblJvHotLink2", QRect(20, 228, 0, 0), "korvand-med.ru"},
      {"Label4", QRect(163, 16, 0, 0), "Корванд - медицинский справочник"},
      {"Label5", QRect(162, 14, 0, 0), "Корванд - медицинский справочник"},
      {"Label3", QRect(161, 67, 0, 0), "Сайт поддержки:"},
      {"Label7", QRect(168, 85, 0, 0), "http://korvand-med.ru"},
      {"Bevel1", QRect(160, 114, 265, 0), nullptr},
      {"Label8", QRect(161, 123, 0, 0), "E-mail:"},
      {"Label9", QRect(168, 139, 0, 0), "support@korvand-med.ru"},
      {"Bevel3", QRect(160, 170, 265, 0), nullptr},
      {"Label1", QRect(162, 184, 0, 0), "Сведения о системе:"},
      {"lblWindowsVersion", QRect(168, 204, 0, 0), nullptr},
      {"Label6", QRect(168, 220, 0, 0), "Доступно памяти для Widnows:"},
      {"lblMemory", QRect(337, 220, 81, 0), nullptr},
      {"Bevel2", QRect(6, 266, 419, 0), nullptr},
      {"btnOK", QRect(338, 280, 88, 25), "OK"},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    const QWidget* control = AboutControl<QWidget>(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->pos(), c.geometry.topLeft());
    if (c.geometry.width()) {
      EXPECT_EQ(control->width(), c.geometry.width());
    }
    if (c.geometry.height()) {
      EXPECT_EQ(control->height(), c.geometry.height());
    }
    if (!c.text) continue;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      EXPECT_EQ(label->text(), QString::fromUtf8(c.text));
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
      EXPECT_EQ(button->text(), QString::fromUtf8(c.text));
    }
  }
  EXPECT_EQ(Label("lblJvHotLink2")->parentWidget(), AboutControl<QWidget>("pnlImage"));
  EXPECT_EQ(Label("imgStarfield")->pixmap().size(), QSize(137, 249));
  EXPECT_EQ(Label("lblMemory")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(AboutWindowTest, ABlueTitleOverItsGreyShadowAndBlueUnderlinedLinks) {
  const QWidget* panel = AboutControl<QWidget>("MainPanel");
  EXPECT_EQ(panel->font().family(), "MS Shell Dlg 2");
  EXPECT_EQ(panel->font().pointSize(), 8);

  const struct {
    const char* name;
    const char* family;
    int points;
    bool bold;
    bool underlined;
    QColor colour;
  } looks[] = {
      {"Label4", "Tahoma", 10, true, false, about_->palette().color(QPalette::Dark)},
      {"Label5", "MS Shell Dlg 2", 10, true, false, Qt::blue},
      {"Label3", "MS Shell Dlg 2", 8, true, false, QColor()},
      {"Label8", "MS Shell Dlg 2", 8, true, false, QColor()},
      {"Label1", "MS Shell Dlg 2", 8, true, false, QColor()},
      {"Label7", "MS Shell Dlg 2", 8, false, true, Qt::blue},
      {"Label9", "MS Shell Dlg 2", 8, false, true, Qt::blue},
      {"lblJvHotLink2", "MS Shell Dlg 2", 8, false, true, Qt::white},
      {"lblWindowsVersion", "MS Sans Serif", 8, false, false, QColor()},
      {"Label6", "MS Sans Serif", 8, false, false, QColor()},
  };
  for (const auto& look : looks) {
    SCOPED_TRACE(look.name);
    const QLabel* label = Label(look.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().family(), look.family);
    EXPECT_EQ(label->font().pointSize(), look.points);
    EXPECT_EQ(label->font().bold(), look.bold);
    EXPECT_EQ(label->font().underline(), look.underlined);
    if (look.colour.isValid()) {
      EXPECT_EQ(label->palette().color(QPalette::WindowText), look.colour);
    }
    const bool link = look.underlined;
    EXPECT_EQ(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
  // The blue title is drawn after, so over, its shadow.
  const QObjectList& order = AboutControl<QWidget>("MainPanel")->children();
  EXPECT_GT(order.indexOf(Label("Label5")), order.indexOf(Label("Label4")));
}

TEST_F(AboutWindowTest, BothWebAddressesOpenTheProductPageAndTheMailAddressAMessage) {
  testing_support::UrlRecorder browser;
  for (const char* link : {"Label7", "lblJvHotLink2", "Label9"}) Click(Label(link));
  EXPECT_EQ(browser.opened, (QList<QUrl>{QUrl("http://korvand-med.ru/index.php?id=handbook"),
                                         QUrl("http://korvand-med.ru/index.php?id=handbook"),
                                         QUrl("mailto:support@korvand-med.ru")}));
  // Elsewhere on the window nothing opens.
  Click(Label("Label3"));
  EXPECT_EQ(browser.opened.size(), 3);
}

std::string FirstLineOf(const char* path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Read here apart from the program's own reading: the kernel's figures and the distribution's file.
TEST_F(AboutWindowTest, ShowingFillsInThisMachinesSystemAndMemory) {
  about_->show();
  std::istringstream meminfo(FirstLineOf("/proc/meminfo"));
  std::string label;
  unsigned long long kilobytes = 0;
  meminfo >> label >> kilobytes;
  ASSERT_EQ(label, "MemTotal:");
  EXPECT_EQ(Label("lblMemory")->text(), QString::number(kilobytes) + QStringLiteral(" КБ"));

  const QString system = Label("lblWindowsVersion")->text();
  const std::string release = FirstLineOf("/proc/sys/kernel/osrelease");
  const std::string kernelVersion = release.substr(0, release.find_first_not_of("0123456789."));
  EXPECT_TRUE(system.endsWith(QStringLiteral(": %1)").arg(QString::fromStdString(kernelVersion)))) << system.toStdString();
  EXPECT_TRUE(system.contains(QStringLiteral(" (Build "))) << system.toStdString();
  EXPECT_FALSE(system.startsWith(QStringLiteral(" (Build "))) << system.toStdString();
  EXPECT_GE(Label("lblWindowsVersion")->width(), Label("lblWindowsVersion")->sizeHint().width());

  // Filled anew at every showing.
  about_->hide();
  Label("lblMemory")->clear();
  Label("lblWindowsVersion")->clear();
  about_->show();
  EXPECT_EQ(Label("lblWindowsVersion")->text(), system);
  EXPECT_FALSE(Label("lblMemory")->text().isEmpty());
}

TEST_F(AboutWindowTest, OkAndEscCloseIt) {
  for (const bool escape : {false, true}) {
    about_->show();
    if (escape) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(about_.get(), &press);
    } else {
      AboutControl<QPushButton>("btnOK")->click();
    }
    EXPECT_FALSE(about_->isVisible()) << (escape ? "Esc" : "OK");
  }
}

TEST_F(AboutWindowTest, TheCommandWorksOnceTheWindowExistsAndShowsItModally) {
  app::TForm1& form = Start({SectionLine(0, "Общие")});
  widgets::CollapsibleBarItem& command = JvXPBar1()->Item(3);
  EXPECT_EQ(command.text(), "Показать сведения о программе");
  EXPECT_FALSE(command.isEnabled());
  form.SetAbout(about_.get());
  EXPECT_TRUE(command.isEnabled());

  bool shownModally = false;
  QTimer::singleShot(0, [&] {
    shownModally = about_->isVisible() && about_->isModal();
    about_->accept();
  });
  command.click();
  EXPECT_TRUE(shownModally);
  EXPECT_FALSE(about_->isVisible());
}

}  // namespace
}  // namespace app_tests
