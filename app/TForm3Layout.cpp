// The controls of the about window and where they sit.
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/TForm3.h"
#include "platform/ProducerAddress.h"
#include "platform/QtText.h"

namespace app {
namespace {

// The documented family first; where it is missing, fonts of about its width, so the memory line
// still fits beside its figure.
QFont FontOf(const QString& family, int points, bool bold = false) {
  QFont font(family, points);
  if (family == QStringLiteral("MS Sans Serif"))
    font.setFamilies({family, QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
  font.setBold(bold);
  return font;
}

QLabel* NewLabel(QWidget* parent, int left, int top, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

void Colour(QLabel* label, const QColor& colour) {
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, colour);
  label->setPalette(colours);
}

void MakeLink(QLabel* label, QObject* filter) {
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  label->adjustSize();
  label->setCursor(Qt::PointingHandCursor);
  label->installEventFilter(filter);
}

QFrame* NewBevel(QWidget* parent, int left, int top, int width) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setGeometry(left, top, width, 2);
  return bevel;
}

// The address without its scheme, for the second, shorter link on the picture.
QString HostOf(const std::string& address) {
  const std::size_t scheme = address.find("://");
  return platform::ToQString(scheme == std::string::npos ? address : address.substr(scheme + 3));
}

}  // namespace

void TForm3::BuildLayout() {
  const QString shellDlg = QStringLiteral("MS Shell Dlg 2");
  const QString sansSerif = QStringLiteral("MS Sans Serif");
  const std::string address = platform::ProducerBaseUrl();

  MainPanel = new QFrame(this);
  MainPanel->setFrameShape(QFrame::NoFrame);
  MainPanel->setGeometry(0, 0, kClientWidth, kClientHeight);
  MainPanel->setFont(FontOf(shellDlg, 8));

  pnlImage = new QFrame(MainPanel);
  pnlImage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnlImage->setLineWidth(1);
  pnlImage->setGeometry(6, 10, 139, 251);
  imgStarfield = new QLabel(pnlImage);
  imgStarfield->setGeometry(1, 1, 137, 249);
  imgStarfield->setPixmap(QPixmap(QStringLiteral(":/korvand/starfield.png")));
  lblJvHotLink2 = NewLabel(pnlImage, 20, 228, HostOf(address));
  Colour(lblJvHotLink2, Qt::white);
  MakeLink(lblJvHotLink2, this);

  // A blue title over a grey copy of itself two pixels down and one right: its shadow.
  const QString title = QStringLiteral("Корванд - медицинский справочник");
  Label4 = NewLabel(MainPanel, 163, 16, title);
  Label4->setFont(FontOf(QStringLiteral("Tahoma"), 10, true));
  Label4->adjustSize();
  Colour(Label4, palette().color(QPalette::Dark));
  Label5 = NewLabel(MainPanel, 162, 14, title);
  Label5->setFont(FontOf(shellDlg, 10, true));
  Label5->adjustSize();
  Colour(Label5, Qt::blue);

  Label3 = NewLabel(MainPanel, 161, 67, QStringLiteral("Сайт поддержки:"));
  Label7 = NewLabel(MainPanel, 168, 85, platform::ToQString(address));
  Colour(Label7, Qt::blue);
  MakeLink(Label7, this);
  Bevel1 = NewBevel(MainPanel, 160, 114, 265);

  Label8 = NewLabel(MainPanel, 161, 123, QStringLiteral("E-mail:"));
  Label9 = NewLabel(MainPanel, 168, 139, platform::ToQString(platform::SupportEmail()));
  Colour(Label9, Qt::blue);
  MakeLink(Label9, this);
  Bevel3 = NewBevel(MainPanel, 160, 170, 265);

  Label1 = NewLabel(MainPanel, 162, 184, QStringLiteral("Сведения о системе:"));
  for (QLabel* heading : {Label3, Label8, Label1}) {
    heading->setFont(FontOf(shellDlg, 8, true));
    heading->adjustSize();
  }
  lblWindowsVersion = NewLabel(MainPanel, 168, 204, QString());
  lblWindowsVersion->setFont(FontOf(sansSerif, 8));
  Label6 = NewLabel(MainPanel, 168, 220, QStringLiteral("Доступно памяти для Widnows:"));
  Label6->setFont(FontOf(sansSerif, 8));
  Label6->adjustSize();
  lblMemory = new QLabel(MainPanel);
  lblMemory->setGeometry(337, 220, 81, Label6->height());
  lblMemory->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Bevel2 = NewBevel(MainPanel, 6, 266, 419);

  btnOK = new QPushButton(QStringLiteral("OK"), MainPanel);
  btnOK->setGeometry(338, 280, 88, 25);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

  const std::pair<QObject*, const char*> controls[] = {
      {MainPanel, "MainPanel"}, {pnlImage, "pnlImage"}, {imgStarfield, "imgStarfield"},
      {lblJvHotLink2, "lblJvHotLink2"}, {Label1, "Label1"}, {Label3, "Label3"}, {Label4, "Label4"},
      {Label5, "Label5"}, {Label6, "Label6"}, {Label7, "Label7"}, {Label8, "Label8"}, {Label9, "Label9"},
      {lblWindowsVersion, "lblWindowsVersion"}, {lblMemory, "lblMemory"}, {Bevel1, "Bevel1"},
      {Bevel2, "Bevel2"}, {Bevel3, "Bevel3"}, {btnOK, "btnOK"}};
  for (const auto& [control, name] : controls) control->setObjectName(QString::fromLatin1(name));
}

}  // namespace app
