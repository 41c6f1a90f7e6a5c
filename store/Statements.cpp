#include "store/Statements.h"

namespace store::statements {

const std::vector<CatalogueEntry>& Catalogue() {
  static const std::vector<CatalogueEntry> entries = {
      {1, "SelectSectionNames", SelectSectionNames},
      {2, "SelectFirstSectionTerms", SelectFirstSectionTerms},
      {3, "SelectSectionTerms", SelectSectionTerms},
      {4, "SearchTerms", SearchTerms},
      {5, "InsertLocalTerm", InsertLocalTerm},
      {6, "ModifyTerm", ModifyTerm},
      {7, "DeleteTerm", DeleteTerm},
      {8, "SelectEditedTerms", SelectEditedTerms},
      {9, "SelectCreatedTerms", SelectCreatedTerms},
      {10, "DeleteCreatedTerms", DeleteCreatedTerms},
      {11, "ClearEditedMarks", ClearEditedMarks},
      {12, "SelectSectionByKey", SelectSectionByKey},
      {13, "InsertSection", InsertSection},
      {14, "UpdateSectionName", UpdateSectionName},
      {15, "KeepSection", KeepSection},
      {16, "SelectTermByKey", SelectTermByKey},
      {17, "InsertProducerTerm", InsertProducerTerm},
      {18, "UpdateProducerTerm", UpdateProducerTerm},
      {19, "SelectTermByHeadword", SelectTermByHeadword},
      {0, "InsertTermRow", InsertTermRow},
      {0, "SelectSectionName", SelectSectionName},
  };
  return entries;
}

}  // namespace store::statements
