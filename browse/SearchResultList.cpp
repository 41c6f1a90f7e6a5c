#include "browse/SearchResultList.h"

#include <QListWidget>

#include <string>
#include <utility>

#include "browse/AlphabeticalOrder.h"
#include "platform/QtText.h"
#include "store/Query.h"
#include "text/KorStrUtils.h"

namespace browse {
namespace {

// Keeps its headword as Windows-1251 so that sorting compares without converting.
class SearchHitItem : public QListWidgetItem {
 public:
  SearchHitItem(std::string headword, std::int32_t key)
      : QListWidgetItem(platform::ToQString(headword)), headword_(std::move(headword)) {
    setData(Qt::UserRole, key);
  }

  bool operator<(const QListWidgetItem& other) const override {
    if (const auto* hit = dynamic_cast<const SearchHitItem*>(&other))
      return AlphabeticallyBefore(headword_, hit->headword_);
    return QListWidgetItem::operator<(other);
  }

 private:
  std::string headword_;
};

}  // namespace

int ListSearchHits(store::Query& hits, QListWidget& list) {
  list.clear();
  // One sort at the end instead of a sorted insertion per entry.
  const bool keepsSorted = list.isSortingEnabled();
  list.setSortingEnabled(false);
  // The hits mostly come in headword order already: then sorting (a tenth of filling the list
  // with 30,000 hits) is skipped.
  bool inOrder = true;
  std::string previous;
  for (hits.First(); !hits.Eof(); hits.Next()) {
    std::string headword = text::TrimTrailingBlanks(hits.FieldByName("EUPHEMIZM").AsView());
    if (inOrder && hits.RecNo() > 0 && AlphabeticallyBefore(headword, previous)) inOrder = false;
    if (inOrder) previous = headword;
    list.addItem(new SearchHitItem(std::move(headword), hits.FieldByName("EUPH_UID").AsInteger()));
  }
  if (!inOrder) list.sortItems(Qt::AscendingOrder);
  list.setSortingEnabled(keepsSorted);
  hits.First();
  return hits.RecordCount();
}

std::optional<std::int32_t> SelectedTermKey(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.front()->data(Qt::UserRole).toInt();
}

}  // namespace browse
