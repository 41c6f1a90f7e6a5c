#pragma once
// A look at a started program without a person, for checks of an installed or unpacked copy
// (--check-start, --check-add=): the program starts as always, then says what it found and ends.
#include <cstdio>
#include <string>

namespace cards {
class TForm5;
}

namespace app {

class TForm1;

// Once the message loop runs: adds an article `addHeadword` (UTF-8; none when empty) to the
// current category through "Добавить статью" and the editor's "Сохранить", as a user does; then
// prints the application title (the message boxes' caption), the database's file name, the
// categories and the first term list to `out`, a line each ("title: ", "database: ",
// "category: ", "term: ", UTF-8), and closes the main window, which ends the run.
void ScheduleStartCheck(TForm1& form, cards::TForm5& editor, std::string addHeadword, std::FILE* out);

}  // namespace app
