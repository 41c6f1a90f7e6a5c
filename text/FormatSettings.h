#pragma once
// The process-wide number, date and currency formats that Format, FormatEx and the date texts
// follow. The program sets them once at start-up; the defaults already give dates as
// 2008-12-29, times as 14:05:09 and "." as decimal separator.
#include <string>

namespace text {

struct FormatSettings {
  char decimalSeparator = '.';
  char thousandSeparator = '\xA0';  // no-break space
  char dateSeparator = '-';
  char timeSeparator = ':';
  // "/" stands for dateSeparator, ":" for timeSeparator.
  std::string shortDateFormat = "yyyy/mm/dd";
  std::string longTimeFormat = "hh:mm:ss";
  std::string currencyString = "\xF0.";  // the rouble sign as written in Windows-1251 text
  bool currencyAfterAmount = true;
  bool currencySpaced = true;
  int currencyDecimals = 2;
};

const FormatSettings& CurrentFormatSettings();
void SetFormatSettings(const FormatSettings& settings);

}  // namespace text
