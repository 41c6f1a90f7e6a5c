#include "app/TForm2.h"

#include <QListWidget>
#include <QPushButton>

#include "app/ArrowWhileAsking.h"
#include "platform/QtText.h"

namespace app {

// Stays on top like every modal window of the program, so the cards cannot hide it.
TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Список новых и обновленных записей"));
  setFixedSize(kClientWidth, kClientHeight);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setGeometry(22, 24, 375, 241);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(322, 288, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm2::AddTitles(const std::vector<std::string>& titles) {
  for (const std::string& title : titles) ListBox1->addItem(platform::ToQString(title));
}

void TForm2::ClearTitles() { ListBox1->clear(); }

void TForm2::ShowModal() {
  const ArrowWhileAsking arrow;
  exec();
}

}  // namespace app
