#include "widgets/KorSpeedButton.h"

#include <QAction>
#include <QEnterEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QVariant>

#include <cmath>
#include <limits>

#include "widgets/ImageList.h"

namespace widgets {
namespace {

int RoundHalfToEven(double value) {
  double rounded = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2.0 * std::round(value / 2.0);
  // A silly scale must not overflow the conversion; the picture then lies far outside anyway.
  if (!(rounded > std::numeric_limits<int>::min() / 2)) return std::numeric_limits<int>::min() / 2;
  if (!(rounded < std::numeric_limits<int>::max() / 2)) return std::numeric_limits<int>::max() / 2;
  return static_cast<int>(rounded);
}

int IntProperty(const QObject& object, const char* name, int absent) {
  const QVariant value = object.property(name);
  bool ok = false;
  const int number = value.toInt(&ok);
  return value.isValid() && ok ? number : absent;
}

// The widget's own Enabled and Visible settings, not the ones it inherits from its parents.
bool OwnEnabled(const QWidget& widget) { return !widget.testAttribute(Qt::WA_ForceDisabled); }
bool OwnVisible(const QWidget& widget) {
  return !(widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.testAttribute(Qt::WA_WState_Hidden));
}

}  // namespace

QPoint CentredImagePosition(QSize area, QSize picture, double scale) {
  // Wide arithmetic: a rounded size near the clamp limits must not overflow the subtraction.
  const int x = static_cast<int>((static_cast<long long>(area.width()) - RoundHalfToEven(picture.width() * scale)) / 2);
  const int y = static_cast<int>((static_cast<long long>(area.height()) - RoundHalfToEven(picture.height() * scale)) / 2);
  return {x, y};
}

KorSpeedButton::KorSpeedButton(QWidget* parent) : QToolButton(parent) {
  setBackgroundRole(QPalette::Button);
  connect(this, &QAbstractButton::toggled, this, [this](bool down) {
    if (down) ReleaseGroupSiblings();
  });
}

KorSpeedButton::~KorSpeedButton() {
  disconnect(imageChangeLink_);
  disconnect(imageDestroyedLink_);
}

ImageList* KorSpeedButton::Images() const { return images_; }

void KorSpeedButton::SetImages(ImageList* value) {
  disconnect(imageChangeLink_);
  disconnect(imageDestroyedLink_);
  images_ = value;
  if (value) {
    imageChangeLink_ = connect(value, &ImageList::Change, this, &KorSpeedButton::ImageListChange);
    imageDestroyedLink_ = connect(value, &QObject::destroyed, this, [this] { SetImages(nullptr); });
  } else {
    SetImageIndex(-1);
  }
  update();
}

void KorSpeedButton::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  update();
}

void KorSpeedButton::SetImageVisible(bool value) {
  if (value == imageVisible_) return;
  imageVisible_ = value;
  update();
}

void KorSpeedButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  setCheckable(value != 0);
  if (value != 0 && isChecked()) ReleaseGroupSiblings();
}

bool KorSpeedButton::CanDrawImage() const { return imageVisible_ && (!images_ || imageIndex_ != -1); }

std::optional<QPoint> KorSpeedButton::ImagePosition() const {
  if (!CanDrawImage() || !images_) return std::nullopt;
  return CentredImagePosition(size(), images_->PictureSize(), scale_);
}

QAction* KorSpeedButton::Action() const { return action_; }

void KorSpeedButton::SetAction(QAction* action, bool checkDefaults) {
  disconnect(actionChangeLink_);
  action_ = action;
  if (!action) return;
  actionChangeLink_ = connect(action, &QAction::changed, this, [this] { ActionChange(action_, false); });
  ActionChange(action, checkDefaults);
}

void KorSpeedButton::ActionChange(QObject* sender, bool checkDefaults) {
  auto* action = qobject_cast<QAction*>(sender);
  if (!action) return;
  if (!checkDefaults || text().isEmpty() || text() == objectName()) setText(action->text());
  if (!checkDefaults || OwnEnabled(*this)) setEnabled(action->isEnabled());
  if (!checkDefaults || toolTip().isEmpty()) setToolTip(action->toolTip());
  if (!checkDefaults || OwnVisible(*this)) setVisible(action->isVisible());
  if (!checkDefaults || !HasClickHandler()) LinkActionClick(action);
  if (checkDefaults || groupIndex_ == 0) SetGroupIndex(IntProperty(*action, "GroupIndex", 0));
  SetImageIndex(IntProperty(*action, "ImageIndex", -1));
  update();
}

void KorSpeedButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  const std::optional<QPoint> at = ImagePosition();
  if (!at) return;
  QPainter painter(this);
  images_->Draw(painter, *at, imageIndex_, isEnabled());
}

void KorSpeedButton::enterEvent(QEnterEvent* event) {
  QToolButton::enterEvent(event);
  pointerInside_ = true;
}

void KorSpeedButton::leaveEvent(QEvent* event) {
  QToolButton::leaveEvent(event);
  // Qt may send a second leave (say, on hiding) without the pointer having come back.
  if (!pointerInside_) return;
  pointerInside_ = false;
  emit OnMouseLeave(this);
}

void KorSpeedButton::nextCheckState() {
  // A button of a group stays down when clicked again; another button of the group releases it.
  if (groupIndex_ != 0 && isChecked()) return;
  QToolButton::nextCheckState();
}

void KorSpeedButton::ImageListChange() { update(); }

void KorSpeedButton::LinkActionClick(QAction* action) {
  disconnect(actionClickLink_);
  actionClickLink_ = connect(this, &QAbstractButton::clicked, action, [action] { action->trigger(); });
}

bool KorSpeedButton::HasClickHandler() const {
  return isSignalConnected(QMetaMethod::fromSignal(&QAbstractButton::clicked));
}

void KorSpeedButton::ReleaseGroupSiblings() {
  if (groupIndex_ == 0 || !parentWidget()) return;
  const auto siblings = parentWidget()->findChildren<KorSpeedButton*>(Qt::FindDirectChildrenOnly);
  for (KorSpeedButton* sibling : siblings) {
    if (sibling != this && sibling->groupIndex_ == groupIndex_) sibling->setChecked(false);
  }
}

}  // namespace widgets
