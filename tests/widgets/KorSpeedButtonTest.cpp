#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "widgets/ImageList.h"
#include "widgets/KorSpeedButton.h"

namespace {

using widgets::ImageList;
using widgets::KorSpeedButton;

QPixmap Solid(QColor colour) {
  QPixmap picture(16, 16);
  picture.fill(colour);
  return picture;
}

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(KorSpeedButton, StartsWithNoPictureChosen) {
  KorSpeedButton button;
  EXPECT_EQ(button.Images(), nullptr);
  EXPECT_EQ(button.ImageIndex(), -1);
  EXPECT_TRUE(button.ImageVisible());
  EXPECT_EQ(button.Scale(), 1.0);
  EXPECT_TRUE(button.CanDrawImage()) << "nothing set yet, so nothing forbids a picture";
}

TEST(KorSpeedButton, ClearingTheListClearsTheIndex) {
  ImageList list({16, 16});
  list.Add(Solid(Qt::red));
  KorSpeedButton button;
  button.SetImages(&list);
  button.SetImageIndex(0);

  button.SetImages(nullptr);
  EXPECT_EQ(button.Images(), nullptr);
  EXPECT_EQ(button.ImageIndex(), -1);
}

TEST(KorSpeedButton, CanDrawImage) {
  ImageList list({16, 16});
  const struct {
    bool withList;
    int index;
    bool visible;
    bool expected;
  } cases[] = {
      {true, 0, true, true},     {true, -1, true, false}, {true, 0, false, false},
      {false, -1, true, true},   {false, -1, false, false},
  };
  for (const auto& c : cases) {
    KorSpeedButton button;
    button.SetImages(c.withList ? &list : nullptr);
    button.SetImageIndex(c.index);
    button.SetImageVisible(c.visible);
    EXPECT_EQ(button.CanDrawImage(), c.expected)
        << "list " << c.withList << " index " << c.index << " visible " << c.visible;
  }
}

TEST(KorSpeedButton, RepaintsOnPictureChangesOnly) {
  const struct {
    const char* what;
    std::function<void(KorSpeedButton&, ImageList&)> change;
    bool repaints;
  } cases[] = {
      {"list picture replaced", [](KorSpeedButton&, ImageList& l) { l.Replace(0, Solid(Qt::blue)); }, true},
      {"picture added to list", [](KorSpeedButton&, ImageList& l) { l.Add(Solid(Qt::blue)); }, true},
      {"other index", [](KorSpeedButton& b, ImageList&) { b.SetImageIndex(1); }, true},
      {"same index", [](KorSpeedButton& b, ImageList&) { b.SetImageIndex(0); }, false},
      {"picture hidden", [](KorSpeedButton& b, ImageList&) { b.SetImageVisible(false); }, true},
      {"visible again", [](KorSpeedButton& b, ImageList&) { b.SetImageVisible(true); }, false},
      {"scale", [](KorSpeedButton& b, ImageList&) { b.SetScale(2.0); }, false},
      {"list set again", [](KorSpeedButton& b, ImageList& l) { b.SetImages(&l); }, true},
  };
  for (const auto& c : cases) {
    ImageList list({16, 16});
    list.Add(Solid(Qt::red));
    QWidget window;
    window.resize(60, 40);
    auto* button = new KorSpeedButton(&window);
    button->setGeometry(10, 10, 22, 22);
    button->SetImages(&list);
    button->SetImageIndex(0);
    window.show();
    QApplication::processEvents();

    PaintCounter counter;
    button->installEventFilter(&counter);
    c.change(*button, list);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints > 0, c.repaints) << c.what;
  }
}

TEST(KorSpeedButton, ReportsEachExitOnce) {
  const struct {
    const char* what;
    std::vector<QEvent::Type> events;
    int expectedLeaves;
  } cases[] = {
      {"in and out", {QEvent::Enter, QEvent::Leave}, 1},
      {"twice in and out", {QEvent::Enter, QEvent::Leave, QEvent::Enter, QEvent::Leave}, 2},
      {"a repeated leave", {QEvent::Enter, QEvent::Leave, QEvent::Leave}, 1},
      {"only in", {QEvent::Enter}, 0},
  };
  for (const auto& c : cases) {
    KorSpeedButton button;
    int leaves = 0;
    QObject::connect(&button, &KorSpeedButton::OnMouseLeave, [&](KorSpeedButton* sender) {
      EXPECT_EQ(sender, &button);
      ++leaves;
    });
    for (QEvent::Type type : c.events) {
      if (type == QEvent::Enter) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
      } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
      }
    }
    EXPECT_EQ(leaves, c.expectedLeaves) << c.what;
  }
}

TEST(KorSpeedButton, GroupIndexMakesRadioButtons) {
  QWidget panel;
  auto* first = new KorSpeedButton(&panel);
  auto* second = new KorSpeedButton(&panel);
  auto* elsewhere = new KorSpeedButton(&panel);
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  elsewhere->SetGroupIndex(2);
  elsewhere->setChecked(true);

  first->click();
  EXPECT_TRUE(first->isChecked());
  first->click();
  EXPECT_TRUE(first->isChecked()) << "a grouped button stays down";
  second->click();
  EXPECT_TRUE(second->isChecked());
  EXPECT_FALSE(first->isChecked());
  EXPECT_TRUE(elsewhere->isChecked()) << "other groups are left alone";

  KorSpeedButton ungrouped;
  ungrouped.click();
  EXPECT_FALSE(ungrouped.isChecked());
}

}  // namespace
