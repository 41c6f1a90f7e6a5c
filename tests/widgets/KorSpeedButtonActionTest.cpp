#include <QAction>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include "widgets/KorSpeedButton.h"

namespace {

using widgets::KorSpeedButton;

// A button on an unshown panel, and an action whose every setting differs from the button's.
struct Scene {
  Scene() {
    button->setObjectName("SearchButton");
    action.setText("Find");
    action.setToolTip("Find terms");
    action.setProperty("GroupIndex", 7);
    action.setProperty("ImageIndex", 2);
    QObject::connect(&action, &QAction::triggered, [this] { ++triggered; });
  }

  QWidget panel;
  KorSpeedButton* button = new KorSpeedButton(&panel);
  QAction action;
  int triggered = 0;
};

struct ActionCase {
  const char* what;
  bool checkDefaults;
  std::function<void(Scene&)> prepare;
  std::function<bool(Scene&)> takenFromAction;
  bool expectTaken;
};

void Nothing(Scene&) {}
bool CaptionTaken(Scene& s) { return s.button->text() == "Find"; }
bool EnabledTaken(Scene& s) { return s.button->isEnabled() == s.action.isEnabled(); }
bool HintTaken(Scene& s) { return s.button->toolTip() == "Find terms"; }
bool VisibleTaken(Scene& s) { return s.button->isVisibleTo(&s.panel) == s.action.isVisible(); }
bool GroupTaken(Scene& s) { return s.button->GroupIndex() == 7; }
bool ClickTaken(Scene& s) {
  s.button->click();
  return s.triggered == 1;
}
void OwnClickHandler(Scene& s) { QObject::connect(s.button, &QAbstractButton::clicked, [] {}); }

TEST(KorSpeedButtonActionChange, TakesEachSettingByItsRule) {
  const ActionCase cases[] = {
      {"caption, no defaults check", false, [](Scene& s) { s.button->setText("Own"); }, CaptionTaken, true},
      {"caption of its own", true, [](Scene& s) { s.button->setText("Own"); }, CaptionTaken, false},
      {"empty caption", true, Nothing, CaptionTaken, true},
      {"caption equal to the name", true, [](Scene& s) { s.button->setText("SearchButton"); }, CaptionTaken,
       true},

      {"disabling, no defaults check", false, [](Scene& s) { s.action.setEnabled(false); }, EnabledTaken, true},
      {"disabling an enabled button", true, [](Scene& s) { s.action.setEnabled(false); }, EnabledTaken, true},
      {"enabling a disabled button", true, [](Scene& s) { s.button->setEnabled(false); }, EnabledTaken, false},
      {"enabling, no defaults check", false, [](Scene& s) { s.button->setEnabled(false); }, EnabledTaken, true},

      {"hint, no defaults check", false, [](Scene& s) { s.button->setToolTip("Own"); }, HintTaken, true},
      {"hint of its own", true, [](Scene& s) { s.button->setToolTip("Own"); }, HintTaken, false},
      {"empty hint", true, Nothing, HintTaken, true},

      {"hiding, no defaults check", false, [](Scene& s) { s.action.setVisible(false); }, VisibleTaken, true},
      {"hiding a visible button", true, [](Scene& s) { s.action.setVisible(false); }, VisibleTaken, true},
      {"showing a hidden button", true, [](Scene& s) { s.button->setVisible(false); }, VisibleTaken, false},

      {"click, no defaults check", false, OwnClickHandler, ClickTaken, true},
      {"click with no handler", true, Nothing, ClickTaken, true},
      {"click with a handler", true, OwnClickHandler, ClickTaken, false},

      {"group of its own, defaults checked", true, [](Scene& s) { s.button->SetGroupIndex(3); }, GroupTaken, true},
      {"no group, no defaults check", false, Nothing, GroupTaken, true},
      {"group of its own, no defaults check", false, [](Scene& s) { s.button->SetGroupIndex(3); }, GroupTaken,
       false},
  };
  for (const auto& c : cases) {
    Scene scene;
    c.prepare(scene);
    scene.button->ActionChange(&scene.action, c.checkDefaults);
    EXPECT_EQ(c.takenFromAction(scene), c.expectTaken) << c.what;
  }
}

TEST(KorSpeedButtonActionChange, ImageIndexAlwaysFollows) {
  for (bool checkDefaults : {false, true}) {
    Scene scene;
    scene.button->SetImageIndex(5);
    scene.button->ActionChange(&scene.action, checkDefaults);
    EXPECT_EQ(scene.button->ImageIndex(), 2) << checkDefaults;
  }
  Scene bare;
  bare.action.setProperty("ImageIndex", QVariant());
  bare.button->SetImageIndex(5);
  bare.button->ActionChange(&bare.action, true);
  EXPECT_EQ(bare.button->ImageIndex(), -1) << "an action without a picture";
}

TEST(KorSpeedButtonActionChange, IgnoresSendersOtherThanActions) {
  Scene scene;
  QObject notAnAction;
  scene.button->setText("Own");
  scene.button->ActionChange(&notAnAction, false);
  EXPECT_EQ(scene.button->text(), "Own");
  EXPECT_EQ(scene.button->ImageIndex(), -1);
}

TEST(KorSpeedButtonActionChange, LinkedActionKeepsTheButtonInStep) {
  Scene scene;
  scene.button->setText("Own");
  scene.button->SetAction(&scene.action, true);
  EXPECT_EQ(scene.button->text(), "Own") << "the first application checks defaults";

  scene.action.setText("Search");
  scene.action.setEnabled(false);
  EXPECT_EQ(scene.button->text(), "Search");
  EXPECT_FALSE(scene.button->isEnabled());

  scene.action.setEnabled(true);
  scene.button->click();
  EXPECT_EQ(scene.triggered, 1) << "relinking on each change must not multiply the click";
}

TEST(KorSpeedButtonActionChange, OutlivesItsAction) {
  QWidget panel;
  auto* button = new KorSpeedButton(&panel);
  {
    QAction action;
    action.setText("Find");
    button->SetAction(&action);
  }
  EXPECT_EQ(button->Action(), nullptr);
  button->click();  // the link died with the action
  EXPECT_EQ(button->text(), "Find");
}

}  // namespace
