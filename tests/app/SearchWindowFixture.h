#pragma once
// The main window with its editor, the search bar open, and the means to search and open hits as
// the person does.
#include <QByteArray>

#include <string>
#include <vector>

#include "cards/TForm5.h"
#include "tests/app/MainWindowFixture.h"

namespace app_tests {

struct SearchEntry {
  std::string text;  // Windows-1251
  int key;
  bool operator==(const SearchEntry&) const = default;
};

class SearchWindowTest : public MainWindowTest {
 protected:
  SearchWindowTest();
  ~SearchWindowTest() override;

  // Starts the window on `lines` (or on a database already in place when `lines` is empty) with
  // the editor and the search bar open.
  app::TForm1& StartSearching(const std::vector<std::string>& lines);

  // Types the text (UTF-8, or Windows-1251 with the second form) into the search field and
  // presses Enter there.
  void Search(const char* typedUtf8);
  void SearchCp1251(const std::string& typed);

  // A left click (or a double click) at `at` of `widget`, as the mouse delivers it.
  static void Click(QWidget& widget, QPoint at, bool twice);

  std::vector<SearchEntry> Entries() const;
  void DoubleClickEntry(int row) const;
  // Presses the mouse on the left half of a letter of the alphabet strip.
  void PressStripLetter(const std::string& letter) const;

  std::string CurrentHeadword() const;
  // The key of the article the open card shows; 0 when no card is open.
  int CardKey() const;

  cards::TForm5 editor_{handbook_};

 private:
  QByteArray savedConfigHome_;
};

}  // namespace app_tests
